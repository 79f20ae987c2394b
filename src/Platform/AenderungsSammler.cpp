#include "Platform/AenderungsSammler.h"

#include "Lib/MVCApp.h"
#include "Lib/Meldung.h"

#include <algorithm>
#include <exception>
#include <utility>

TAenderungsSammler::TAenderungsSammler(QObject* parent) : QObject(parent)
{
    m_bild.setSingleShot(true);
    m_bild.setInterval(kBildMs);
    connect(&m_bild, &QTimer::timeout, this, &TAenderungsSammler::Melden);
}

// What is still gathered when the server goes is not told: the program is ending.
TAenderungsSammler::~TAenderungsSammler() = default;

TAenderungsSammler::TAufruf::TAufruf(TAenderungsSammler& sammler)
    : m_vorher(SetDatenGeaendertHook([&sammler](TDaten& daten) { sammler.Sammeln(daten); }))
{
}

TAenderungsSammler::TAufruf::~TAufruf()
{
    SetDatenGeaendertHook(std::move(m_vorher));
}

void TAenderungsSammler::Sammeln(TDaten& daten)
{
    if (std::find(m_daten.begin(), m_daten.end(), &daten) == m_daten.end())
        m_daten.push_back(&daten);
    // Not restarted by later notices: a steady stream of calls still shows once a frame.
    if (!m_bild.isActive())
        m_bild.start();
}

void TAenderungsSammler::Melden()
{
    m_bild.stop();
    const std::vector<TDaten*> daten = std::exchange(m_daten, {});
    for (TDaten* d : daten) {
        // A data set freed before its frame (also by the forms told of an earlier one) has no
        // form left to tell.
        if (!MVCApplication().IsRegistered(d))
            continue;
        // Nothing crosses the event loop; the user reads what went wrong.
        try {
            DatenGeaendertMelden(*d);
        } catch (const std::exception& e) {
            Meldung(e.what(), "", false);
        }
    }
}
