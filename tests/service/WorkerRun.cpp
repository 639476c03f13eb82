#include "WorkerRun.h"

#include <gtest/gtest.h>

#include "CurlLibrary.h"

namespace {
// libcurl is set up by the first request; its end is undone once per process,
// as main() does in the program.
class TCurlEnvironment final : public testing::Environment {
public:
    void TearDown() override { TCurlLibrary::Cleanup(); }
};

testing::Environment* const CurlEnvironment =
    testing::AddGlobalTestEnvironment(new TCurlEnvironment);
} // namespace

TRequestSettings ServerSettings(const TRecordingServer& server) {
    TRequestSettings settings;
    settings.Username = QStringLiteral("taro");
    settings.Password = QStringLiteral("pass");
    settings.ApiURL = server.Url();
    settings.TwitterApiURL = server.Url();
    settings.MakerURL = server.Url();
    settings.ShortURLPrefix = server.Url() + QStringLiteral("/s/");
    return settings;
}
