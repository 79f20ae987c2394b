#include "MVCTestSupport.h"

#include "Lib/MVCApp.h"

#include <unistd.h>

void MVCTest::SetUp()
{
    MVCApplication().OnValueChanged = [this](TDaten* daten, TValue* value) {
        log.push_back("registry " + value->Name() + (daten->Modified() ? " modified" : ""));
    };
    SetDatenGeaendertHook([this](TDaten& daten) { log.push_back("2097 " + daten.Name()); });
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    tempDir = std::filesystem::temp_directory_path() /
              ("vt_mvc_" + std::to_string(::getpid()) + "_" + name);
    std::filesystem::remove_all(tempDir);
    std::filesystem::create_directories(tempDir);
}

void MVCTest::TearDown()
{
    MVCApplication().OnValueChanged = nullptr;
    SetDatenGeaendertHook(nullptr);
    std::filesystem::remove_all(tempDir);
}
