#include "WorkerRun.h"

#include <gtest/gtest.h>

#include <curl/curl.h>

namespace {
// libcurl is set up once per process, as main() does in the program.
class TCurlEnvironment final : public testing::Environment {
public:
    void SetUp() override { curl_global_init(CURL_GLOBAL_DEFAULT); }
    void TearDown() override { curl_global_cleanup(); }
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
