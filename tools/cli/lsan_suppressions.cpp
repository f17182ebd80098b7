// SPDX-License-Identifier: GPL-3.0-or-later
// Sanitizer builds: p11-kit (loaded with libcurl's TLS stack) creates a locale
// while it is loaded, and glibc keeps the locale path list of it when LOCPATH is
// set (as the comma-locale tests set it); the fast unwinder sees only glibc's
// frame. Not this program's leak.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:__argz_add_sep\n";
}

extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}
#endif
