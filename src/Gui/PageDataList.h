#pragma once
// The remembered state of every page of a page window, numbered from 1 in the order the pages
// were registered. An entry may be empty (a number that was never registered).
#include "Gui/PageForm.h"

#include <memory>
#include <vector>

class TXIniFile;

class TPageDataList {
public:
    // Appends a page; its number is the new count.
    void AddPage(const std::string& name, const std::string& activeControl, TBerechnung* berechnung,
                 TPageClass pageClass);
    // Entry n, or nullptr when n is not between 1 and the count or the entry is empty.
    TPageData* GetPage(int n) const;
    // Stores `data` as entry n (n >= 1), appending empty entries up to n.
    void SetPage(int n, TPageData data);
    int Count() const { return static_cast<int>(m_pages.size()); }

    void LoadAll(const TXIniFile& ini);
    void SaveAll(TXIniFile& ini) const;

private:
    std::vector<std::unique_ptr<TPageData>> m_pages;
};
