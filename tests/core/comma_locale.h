// SPDX-License-Identifier: GPL-3.0-or-later
// For one test's scope, the C and C++ global locales and the environment's LC_ALL name a
// locale with a decimal comma; when the system has none, one is generated with localedef
// into a temporary directory. Failure() says why when no such locale could be had.
#pragma once
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <optional>
#include <stdexcept>
#include <string>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace ko_test {

// glibc keeps a few bytes of the search path of a locale loaded through LOCPATH:
// not the program's leak, so the locale calls run with leak checking paused.
class CLeakCheckPause {
public:
#if defined(__SANITIZE_ADDRESS__)
    CLeakCheckPause()
    {
        __lsan_disable();
    }
    ~CLeakCheckPause()
    {
        __lsan_enable();
    }
#else
    CLeakCheckPause() = default;
#endif
    CLeakCheckPause(const CLeakCheckPause&) = delete;
    CLeakCheckPause& operator=(const CLeakCheckPause&) = delete;
};

class CCommaLocale {
public:
    CCommaLocale()
    {
        const CLeakCheckPause pause;
        for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8", "fr_FR.utf8"})
            if (Use(name)) return;
        Generate();
    }
    CCommaLocale(const CCommaLocale&) = delete;
    CCommaLocale& operator=(const CCommaLocale&) = delete;
    ~CCommaLocale()
    {
        const CLeakCheckPause pause;
        std::locale::global(savedGlobal_);
        std::setlocale(LC_ALL, savedC_.c_str());
        Restore("LC_ALL", savedLcAll_);
        Restore("LOCPATH", savedLocPath_);
        if (!generated_.empty()) std::filesystem::remove_all(generated_);
    }

    const std::string& Failure() const { return failure_; }

private:
    static std::optional<std::string> Env(const char* name)
    {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Restore(const char* name, const std::optional<std::string>& value)
    {
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }

    bool Use(const char* name)
    {
        if (!std::setlocale(LC_ALL, name)) return false;
        try {
            if (*std::localeconv()->decimal_point != ',') throw std::runtime_error("no decimal comma");
            std::locale::global(std::locale(name));
        } catch (const std::runtime_error&) {
            std::setlocale(LC_ALL, savedC_.c_str());
            return false;
        }
        ::setenv("LC_ALL", name, 1);
        return true;
    }

    void Generate()
    {
        const auto dir =
            std::filesystem::temp_directory_path() / ("velder_locale_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        generated_ = dir.string();
        const std::string command =
            "localedef -i de_DE -f UTF-8 '" + generated_ + "/de_DE.UTF-8' >/dev/null 2>&1";
        [[maybe_unused]] const int status = std::system(command.c_str());  // warnings give a non-zero status
        ::setenv("LOCPATH", generated_.c_str(), 1);
        if (!Use("de_DE.UTF-8"))
            failure_ =
                "no locale with a decimal comma: de_DE.UTF-8 and fr_FR.UTF-8 are not installed and "
                "'localedef -i de_DE -f UTF-8' failed (it needs the locales package)";
    }

    std::string savedC_ = std::setlocale(LC_ALL, nullptr);
    std::locale savedGlobal_;
    std::optional<std::string> savedLcAll_ = Env("LC_ALL");
    std::optional<std::string> savedLocPath_ = Env("LOCPATH");
    std::string generated_;
    std::string failure_;
};

}  // namespace ko_test

// Runs the rest of the test under a comma locale, or skips it saying why there is none.
#define VELDER_UNDER_COMMA_LOCALE(guard) \
    ko_test::CCommaLocale guard;         \
    if (!guard.Failure().empty()) GTEST_SKIP() << guard.Failure()
