// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/bind_text.h"

#include <cctype>

#include "db/db_error.h"

namespace ko::db {
namespace {

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

ColumnType DeclaredType(const std::string& type, std::string_view text)
{
    if (type == "int" || type == "long" || type == "short" || type == "unsigned") return ColumnType::Int;
    if (type == "double" || type == "float") return ColumnType::Double;
    if (type.rfind("char[", 0) == 0 && type.back() == ']') return ColumnType::Text;
    if (type == "timestamp") return ColumnType::Date;
    throw CDbError("Unknown bind variable type: <" + type + ">", 0, std::string(text));
}

}  // namespace

std::string QuoteReservedColumns(const std::string& text)
{
    static const char* const kWords[] = {"OFFSET", "CMAX"};  // quoted in upper case
    std::string result;
    char quote = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (quote != 0 || c == '\'' || c == '"') {
            quote = quote == 0 ? c : (c == quote ? 0 : quote);
            result += text[i++];
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && IsNameChar(text[end])) ++end;
        if (end == i) {
            result += text[i++];
            continue;
        }
        std::string word(text.substr(i, end - i));
        for (char& w : word) w = static_cast<char>(std::toupper(static_cast<unsigned char>(w)));
        bool reserved = false;
        for (const char* name : kWords) reserved = reserved || word == name;
        if (reserved) {
            result += "\"" + word + "\"";
        } else {
            result += text.substr(i, end - i);
        }
        i = end;
    }
    return result;
}

CBoundText TranslateBindDeclarations(std::string_view text, std::string_view placeholder)
{
    CBoundText bound;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            if (c == quote) quote = 0;
            bound.text += c;
            continue;
        }
        if (c == '\'' || c == '"') quote = c;
        if (c == ':' && i + 1 < text.size() && text[i + 1] == ':') {
            bound.text += "::";
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (c == ':' && end < text.size() && IsNameChar(text[end])) ++end;
        if (c != ':' || end == i + 1 || end >= text.size() || text[end] != '<') {
            bound.text += c;
            continue;
        }
        const std::size_t close = text.find('>', end);
        if (close == std::string_view::npos)
            throw CDbError("Unterminated bind variable declaration", 0, std::string(text));
        bound.names.emplace_back(text.substr(i + 1, end - i - 1));
        bound.types.push_back(DeclaredType(std::string(text.substr(end + 1, close - end - 1)), text));
        bound.text += placeholder;
        bound.text += std::to_string(bound.names.size());
        i = close;
    }
    return bound;
}

std::vector<CFieldValue> CheckBindValues(const CBoundText& bound, const std::vector<CFieldValue>& values)
{
    if (values.size() != bound.names.size())
        throw CDbError("The statement declares " + std::to_string(bound.names.size()) + " bind variables, " +
                           std::to_string(values.size()) + " values were given",
                       0, bound.text);
    std::vector<CFieldValue> checked;
    for (std::size_t i = 0; i < values.size(); ++i) {
        try {
            checked.push_back(ConvertFieldValue(bound.types[i], values[i]));
        } catch (const std::exception& e) {
            throw CDbError(e.what(), 0, bound.text, ":" + bound.names[i]);
        }
    }
    return checked;
}

}  // namespace ko::db
