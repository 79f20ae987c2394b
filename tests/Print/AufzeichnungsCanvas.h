#pragma once
// A canvas that records every call, with fixed metrics: every character of a font is half its
// cell height wide, so that each position a printout computes can be checked by hand. A job
// over it counts its starts, ends and sheets.
#include "Print/DruckCanvas.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <tuple>
#include <vector>

struct TAufruf {
    enum Art { Text, Linie, Schrift, Stift, Fuellen, NeueSeite };
    Art art = Text;
    int x = 0;
    int y = 0;
    QString text;
    TDruckSchrift schrift;
    int seite = 1;
    int x2 = 0;
};

class TAufzeichnungsCanvas : public TDruckCanvas {
public:
    explicit TAufzeichnungsCanvas(QRect clip = QRect(0, 0, 1000, 1493), int pixelProZoll = 96,
                                  bool mehrereSeiten = true)
        : m_clip(clip), m_pixelProZoll(pixelProZoll), m_mehrereSeiten(mehrereSeiten)
    {
    }

    QRect ClipRect() const override { return m_clip; }
    QSize PageSize() const override { return Seite.isValid() ? Seite : m_clip.size(); }
    int PixelProZoll() const override { return m_pixelProZoll; }
    void SetSchrift(const TDruckSchrift& schrift) override
    {
        m_schrift = schrift;
        Neu(TAufruf::Schrift).schrift = schrift;
    }
    int TextBreite(const QString& text) const override
    {
        return static_cast<int>(text.size()) * (m_schrift.hoehe / 2);
    }
    void TextAus(int x, int y, const QString& text) override
    {
        TAufruf& a = Neu(TAufruf::Text);
        a.x = x;
        a.y = y;
        a.text = text;
        a.x2 = x + TextBreite(text);
    }
    void SetStiftBreite(int breite) override { Neu(TAufruf::Stift).x = breite; }
    void Linie(int x1, int y1, int x2, int) override
    {
        TAufruf& a = Neu(TAufruf::Linie);
        a.x = x1;
        a.y = y1;
        a.x2 = x2;
    }
    void Fuellen(const QRect& rect, const QColor&) override
    {
        TAufruf& a = Neu(TAufruf::Fuellen);
        a.x = rect.x();
        a.y = rect.y();
    }
    bool NeueSeite() override
    {
        if (!m_mehrereSeiten)
            return false;
        Neu(TAufruf::NeueSeite);
        ++m_seite;
        return true;
    }

    // The printable page, when it differs from the clip rectangle.
    QSize Seite;

    int Seiten() const { return m_seite; }
    const std::vector<TAufruf>& Aufrufe() const { return m_aufrufe; }
    // The text calls, in order.
    std::vector<TAufruf> Texte() const
    {
        std::vector<TAufruf> texte;
        for (const TAufruf& a : m_aufrufe)
            if (a.art == TAufruf::Text)
                texte.push_back(a);
        return texte;
    }
    // The first text call of exactly this text (nullptr when there is none).
    const TAufruf* Text(const QString& text) const
    {
        for (const TAufruf& a : m_aufrufe)
            if (a.art == TAufruf::Text && a.text == text)
                return &a;
        return nullptr;
    }

private:
    TAufruf& Neu(TAufruf::Art art)
    {
        TAufruf aufruf;
        aufruf.art = art;
        m_aufrufe.push_back(aufruf);
        m_aufrufe.back().seite = m_seite;
        m_aufrufe.back().schrift = m_schrift;
        return m_aufrufe.back();
    }

    QRect m_clip;
    int m_pixelProZoll;
    bool m_mehrereSeiten;
    int m_seite = 1;
    TDruckSchrift m_schrift;
    std::vector<TAufruf> m_aufrufe;
};

// Every text that starts left of `links`, ends right of `rechts`, or comes closer than `abstand`
// to the text before it on its line; empty for a sound page. Blanks ending a text do not count.
inline QStringList Ueberschneidungen(const TAufzeichnungsCanvas& canvas, int links, int rechts,
                                     int abstand)
{
    std::vector<TAufruf> texte = canvas.Texte();
    std::erase_if(texte, [](const TAufruf& a) { return a.text.trimmed().isEmpty(); });
    std::sort(texte.begin(), texte.end(), [](const TAufruf& a, const TAufruf& b) {
        return std::tie(a.seite, a.y, a.x) < std::tie(b.seite, b.y, b.x);
    });
    QStringList fehler;
    int ende = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const TAufruf& a = texte[i];
        const bool neueZeile = i == 0 || a.seite != texte[i - 1].seite || a.y != texte[i - 1].y;
        if (a.x < links || (!neueZeile && a.x < ende + abstand))
            fehler << QString("%1 bei %2").arg(a.text).arg(a.x);
        QString sichtbar = a.text;
        while (sichtbar.endsWith(' '))
            sichtbar.chop(1);
        ende = a.x + static_cast<int>(sichtbar.size()) * (a.schrift.hoehe / 2);
        if (ende > rechts)
            fehler << QString("%1 bis %2").arg(a.text).arg(ende);
    }
    return fehler;
}

class TAufzeichnungsAuftrag : public TDruckAuftrag {
public:
    TDruckCanvas& Beginnen(const QString& titel) override
    {
        ++begonnen;
        this->titel = titel;
        return canvas;
    }
    void Beenden() override { ++beendet; }

    TAufzeichnungsCanvas canvas;
    QString titel;
    int begonnen = 0;
    int beendet = 0;
};
