#pragma once
// The number of pages of a PDF file as Qt writes it: one page object per page.
#include <QFile>
#include <QString>

inline int PdfSeiten(const QString& pdf)
{
    QFile datei(pdf);
    if (!datei.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray inhalt = datei.readAll();
    int seiten = 0;
    for (const char* ende : {"\n", "\r", " ", "/"})
        seiten += static_cast<int>(inhalt.count(QByteArray("/Type /Page") + ende));
    return seiten;
}
