// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli ev5 FILE --db vehdb|comdb|biodb --test N [--to OUT.ev5|OUT.e5x]:
// reads an EV5 or EV5 Extension test file (the variant named by its first
// line) and prints "<SECTION>\t<records>" for every section with records; with
// --to writes the test again, in the variant of OUT's extension, numbered N.
#include <cctype>
#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/atomic_file.h"
#include "formats/ev5_biomechanics.h"
#include "formats/ev5_component.h"
#include "formats/ev5_vehicle.h"
#include "formats/file.h"
#include "model/database.h"
#include "model/test_number.h"
#include "tools/cli/command_registry.h"

namespace {

constexpr const char* kUsage =
    "usage: velder-cli ev5 FILE --db vehdb|comdb|biodb --test N [--to OUT.ev5|OUT.e5x]";

struct CArguments {
    std::string file;
    ko::CDatabase database;
    int test = 0;
    std::optional<std::string> to;
    bool toExtension = false;
};

int TestNumber(const std::string& text)
{
    int number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        throw std::invalid_argument("Invalid test number: " + text);
    ko::CTestNumber().Set(number);  // the range failure text
    return number;
}

// True for ".e5x", false for ".ev5" (any case).
bool IsExtensionOutput(const std::string& path)
{
    std::string end = path.size() >= 4 ? path.substr(path.size() - 4) : "";
    for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (end != ".ev5" && end != ".e5x")
        throw std::invalid_argument("The output file must end in .ev5 or .e5x: " + path);
    return end == ".e5x";
}

CArguments Parse(const std::vector<std::string>& args)
{
    CArguments parsed;
    bool haveDatabase = false;
    bool haveTest = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool option = arg == "--db" || arg == "--test" || arg == "--to";
        if (option && i + 1 == args.size()) throw std::invalid_argument(kUsage);
        if (arg == "--db") {
            parsed.database.Set(args[++i]);
            haveDatabase = true;
        } else if (arg == "--test") {
            parsed.test = TestNumber(args[++i]);
            haveTest = true;
        } else if (arg == "--to") {
            parsed.to = args[++i];
            parsed.toExtension = IsExtensionOutput(*parsed.to);
        } else if (parsed.file.empty() && !arg.empty() && arg.front() != '-') {
            parsed.file = arg;
        } else {
            throw std::invalid_argument(kUsage);
        }
    }
    if (parsed.file.empty() || !haveDatabase || !haveTest) throw std::invalid_argument(kUsage);
    return parsed;
}

template <class Plain, class Extension, class Test>
std::unique_ptr<ko::CEV5File<Test>> Variant(bool extension, const std::shared_ptr<Test>& test, int number)
{
    if (extension) return std::make_unique<Extension>(test, number);
    return std::make_unique<Plain>(test, number);
}

template <class Plain, class Extension, class Test>
int Run(const CArguments& args, const std::string& text)
{
    auto test = std::make_shared<Test>();
    const auto reader = Variant<Plain, Extension>(ko::IsEV5ExtensionText(text), test, args.test);
    reader->Read(text);
    std::string out;
    for (const auto& [section, count] : reader->RecordCounts())
        if (count > 0) out += section + "\t" + std::to_string(count) + "\n";
    if (args.to) {
        std::string written;
        Variant<Plain, Extension>(args.toExtension, test, args.test)->ToString(written);
        ko::WriteFileAtomically(*args.to, written);
    }
    std::cout << out;
    return 0;
}

int EV5(const std::vector<std::string>& argv)
{
    const CArguments args = Parse(argv);
    const std::string text = ko::ReadFileText(args.file);
    switch (args.database.GetKind()) {
        case ko::TestKind::Vehicle: return Run<ko::CEV5Veh, ko::CEV5VehExt, ko::CVehicleTest>(args, text);
        case ko::TestKind::Component: return Run<ko::CEV5Com, ko::CEV5ComExt, ko::CComTest>(args, text);
        case ko::TestKind::Biomechanics: return Run<ko::CEV5Bio, ko::CEV5BioExt, ko::CBioTest>(args, text);
        default: throw std::invalid_argument("Invalid Database: " + args.database.GetDescription());
    }
}

}  // namespace

VELDER_CLI_COMMAND("ev5", "ev5 FILE --db vehdb|comdb|biodb --test N [--to OUT.ev5|OUT.e5x]", EV5);
