#include "CurlLibrary.h"

#include <atomic>
#include <optional>

#include <dlfcn.h>

namespace {

constexpr const char* CurlSoname = "libcurl.so.4";

// Set once the library is set up; Cleanup takes it.
std::atomic<decltype(&curl_global_cleanup)> PendingCleanup{nullptr};

template <typename TFunction>
bool Resolve(void* library, const char* name, TFunction& function) {
    function = reinterpret_cast<TFunction>(dlsym(library, name));
    return function != nullptr;
}

std::optional<TCurlLibrary> Load() {
    // Kept loaded for the life of the program.
    void* library = dlopen(CurlSoname, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return std::nullopt;
    TCurlLibrary curl;
    const bool resolved = Resolve(library, "curl_easy_init", curl.EasyInit) &&
                          Resolve(library, "curl_easy_cleanup", curl.EasyCleanup) &&
                          Resolve(library, "curl_easy_setopt", curl.EasySetopt) &&
                          Resolve(library, "curl_easy_getinfo", curl.EasyGetinfo) &&
                          Resolve(library, "curl_easy_strerror", curl.EasyStrerror) &&
                          Resolve(library, "curl_multi_init", curl.MultiInit) &&
                          Resolve(library, "curl_multi_cleanup", curl.MultiCleanup) &&
                          Resolve(library, "curl_multi_add_handle", curl.MultiAddHandle) &&
                          Resolve(library, "curl_multi_remove_handle", curl.MultiRemoveHandle) &&
                          Resolve(library, "curl_multi_perform", curl.MultiPerform) &&
                          Resolve(library, "curl_multi_poll", curl.MultiPoll) &&
                          Resolve(library, "curl_multi_info_read", curl.MultiInfoRead) &&
                          Resolve(library, "curl_slist_append", curl.SlistAppend) &&
                          Resolve(library, "curl_slist_free_all", curl.SlistFreeAll);
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_global_cleanup) globalCleanup = nullptr;
    if (!resolved || !Resolve(library, "curl_global_init", globalInit) ||
        !Resolve(library, "curl_global_cleanup", globalCleanup) ||
        globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return std::nullopt;
    PendingCleanup.store(globalCleanup);
    return curl;
}

} // namespace

const TCurlLibrary* TCurlLibrary::Get() {
    static const std::optional<TCurlLibrary> curl = Load();
    return curl ? &*curl : nullptr;
}

void TCurlLibrary::Cleanup() {
    if (const auto globalCleanup = PendingCleanup.exchange(nullptr))
        globalCleanup();
}
