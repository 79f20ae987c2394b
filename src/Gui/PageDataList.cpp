#include "Gui/PageDataList.h"

#include "Lib/Exception.h"

void TPageDataList::AddPage(const std::string& name, const std::string& activeControl,
                            TBerechnung* berechnung, TPageClass pageClass)
{
    auto data = std::make_unique<TPageData>();
    data->Berechnung = berechnung;
    data->ActiveControl = activeControl;
    data->Name = name;
    data->PageClass = std::move(pageClass);
    m_pages.push_back(std::move(data));
}

TPageData* TPageDataList::GetPage(int n) const
{
    if (n < 1 || n > Count())
        return nullptr;
    return m_pages[static_cast<std::size_t>(n - 1)].get();
}

void TPageDataList::SetPage(int n, TPageData data)
{
    VT_ASSERT(n >= 1, "page number below 1");
    if (n > Count())
        m_pages.resize(static_cast<std::size_t>(n));
    m_pages[static_cast<std::size_t>(n - 1)] = std::make_unique<TPageData>(std::move(data));
}

void TPageDataList::LoadAll(const TXIniFile& ini)
{
    for (const auto& page : m_pages) {
        if (page)
            page->LoadFromIni(ini);
    }
}

void TPageDataList::SaveAll(TXIniFile& ini) const
{
    for (const auto& page : m_pages) {
        if (page)
            page->SaveToIni(ini);
    }
}
