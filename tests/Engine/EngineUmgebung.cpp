// Every engine test runs in a temporary home with fresh options: the statutory values of 2026
// and later come from there, and a test must never read or write the real user's files.
#include "Support/OptionenUmgebung.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TEngineUmgebung : public testing::Environment {
public:
    void SetUp() override { m_umgebung = std::make_unique<TOptionenUmgebung>(); }
    void TearDown() override { m_umgebung.reset(); }

private:
    std::unique_ptr<TOptionenUmgebung> m_umgebung;
};

[[maybe_unused]] testing::Environment* const kUmgebung =
    testing::AddGlobalTestEnvironment(new TEngineUmgebung);

} // namespace
