// Sets the manual from its Markdown text as an A4 PDF: QTextDocument reads the Markdown and lays
// out the sheets, QPdfWriter writes them. Pictures are scaled down to the width of the text.
// usage: MdNachPdf ANLEITUNG.md ANLEITUNG.pdf   (exit code 1 and a line on stderr on failure)
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int Fehler(const QString& text)
{
    std::fprintf(stderr, "MdNachPdf: %s\n", qPrintable(text));
    return 1;
}

// Screenshots are wider than a sheet; each is shrunk to the text width, keeping its proportions.
// A picture that cannot be read is an error: the manual would show an empty frame.
QString BilderEinpassen(QTextDocument& doc, const QString& ordner, double breite)
{
    struct TBild {
        int anfang;
        int laenge;
        QTextImageFormat format;
    };
    std::vector<TBild> bilder;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment teil = it.fragment();
            if (teil.charFormat().isImageFormat())
                bilder.push_back({teil.position(), teil.length(), teil.charFormat().toImageFormat()});
        }
    }
    for (TBild& bild : bilder) {
        const QImage image(ordner + "/" + bild.format.name());
        if (image.isNull())
            return QStringLiteral("Bild nicht lesbar: ") + bild.format.name();
        doc.addResource(QTextDocument::ImageResource, QUrl(bild.format.name()), image);
        const double massstab = std::min(1.0, breite / image.width());
        bild.format.setWidth(image.width() * massstab);
        bild.format.setHeight(image.height() * massstab);
        QTextCursor cursor(&doc);
        cursor.setPosition(bild.anfang);
        cursor.setPosition(bild.anfang + bild.laenge, QTextCursor::KeepAnchor);
        cursor.setCharFormat(bild.format);
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return Fehler(QStringLiteral("Aufruf: MdNachPdf ANLEITUNG.md ANLEITUNG.pdf"));
    const QString quelle = QString::fromLocal8Bit(argv[1]);
    const QString ziel = QString::fromLocal8Bit(argv[2]);

    QFile md(quelle);
    if (!md.open(QIODevice::ReadOnly))
        return Fehler(quelle + ": " + md.errorString());
    QTextDocument doc;
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPointSize(10);
    doc.setDefaultFont(schrift);
    doc.setMarkdown(QString::fromUtf8(md.readAll()));

    QSaveFile pdf(ziel);
    if (!pdf.open(QIODevice::WriteOnly))
        return Fehler(ziel + ": " + pdf.errorString());
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(QStringLiteral("Vantrel 2026 - Anleitung"));
        writer.setCreator(QStringLiteral("Vantrel 2026"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
        // The document is laid out at the screen's 96 dots per inch and scaled to the sheet.
        const double textbreite = writer.pageLayout().paintRect(QPageLayout::Inch).width() * 96;
        const QString fehler =
            BilderEinpassen(doc, QFileInfo(quelle).absolutePath(), textbreite - 8);
        if (!fehler.isEmpty())
            return Fehler(fehler);
        doc.print(&writer);
    }
    if (!pdf.commit())
        return Fehler(ziel + ": " + pdf.errorString());
    return 0;
}
