#pragma once

#include <curl/curl.h>

// libcurl, loaded and set up by the first request instead of with the program:
// linked in, it and the two dozen libraries it needs would load before the
// window could paint.
struct TCurlLibrary {
    decltype(&curl_easy_init) EasyInit = nullptr;
    decltype(&curl_easy_cleanup) EasyCleanup = nullptr;
    decltype(&curl_easy_setopt) EasySetopt = nullptr;
    decltype(&curl_easy_getinfo) EasyGetinfo = nullptr;
    decltype(&curl_easy_strerror) EasyStrerror = nullptr;
    decltype(&curl_multi_init) MultiInit = nullptr;
    decltype(&curl_multi_cleanup) MultiCleanup = nullptr;
    decltype(&curl_multi_add_handle) MultiAddHandle = nullptr;
    decltype(&curl_multi_remove_handle) MultiRemoveHandle = nullptr;
    decltype(&curl_multi_perform) MultiPerform = nullptr;
    decltype(&curl_multi_poll) MultiPoll = nullptr;
    decltype(&curl_multi_info_read) MultiInfoRead = nullptr;
    decltype(&curl_slist_append) SlistAppend = nullptr;
    decltype(&curl_slist_free_all) SlistFreeAll = nullptr;

    // The library, loaded and initialised once by whichever thread asks first;
    // nullptr when it cannot be loaded.
    static const TCurlLibrary* Get();
    // Undoes the set-up at the end of the program, if a request ever made it.
    static void Cleanup();
};
