#include "Lib/Exception.h"

#include <string>

EAssertionFailed::EAssertionFailed(const char* text, const char* file, int line)
    : Exception(std::string(text) + " (" + file + ", Zeile " + std::to_string(line) + ")")
{
}

namespace {

std::string Liste(const std::string& einleitung, const std::vector<std::string>& meldungen)
{
    if (meldungen.size() == 1)
        return meldungen.front();
    std::string text = einleitung;
    for (const std::string& meldung : meldungen)
        text += "\n\n" + meldung;
    return text;
}

} // namespace

EFehlerListe::EFehlerListe(const std::string& einleitung, std::vector<std::string> meldungen)
    : Exception(Liste(einleitung, meldungen)), m_meldungen(std::move(meldungen))
{
}

void TFehlerSammlung::Versuche(const std::function<void()>& schritt)
{
    try {
        schritt();
    } catch (const EFehlerListe& e) {
        m_meldungen.insert(m_meldungen.end(), e.Meldungen().begin(), e.Meldungen().end());
        if (!m_erster)
            m_erster = std::current_exception();
    } catch (const std::exception& e) {
        m_meldungen.emplace_back(e.what());
        if (!m_erster)
            m_erster = std::current_exception();
    }
}

void TFehlerSammlung::Werfen(const std::string& einleitung) const
{
    if (m_meldungen.size() == 1)
        std::rethrow_exception(m_erster);
    if (!m_meldungen.empty())
        throw EFehlerListe(einleitung, m_meldungen);
}
