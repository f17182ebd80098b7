// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/test_list_text.h"

#include <stdexcept>

#include "core/failure.h"

namespace ko {
namespace {

std::string Flat(std::string text)
{
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

template <class Row>
std::string ListText(const std::vector<std::shared_ptr<Row>>& rows)
{
    std::string text;
    const auto& columns = Row::Columns();
    for (std::size_t i = 0; i < columns.size(); ++i) (text += i ? "\t" : "") += columns[i].column.name;
    text += '\n';
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < columns.size(); ++i)
            (text += i ? "\t" : "") += Flat(columns[i].GetText(*row));
        text += '\n';
    }
    return text;
}

std::vector<std::string> Split(const std::string& line)
{
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) return cells;
        start = tab + 1;
    }
}

template <class Row>
void ReadList(const std::string& text, const std::function<void(std::shared_ptr<Row>)>& add)
{
    std::vector<const CField<Row>*> fields;
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> cells = Split(line);
        if (number == 1) {
            for (const std::string& name : cells) fields.push_back(Row::Columns().Find(name));
            continue;
        }
        if (line.empty()) continue;
        const std::string where = "Test list line " + std::to_string(number) + ": ";
        if (cells.size() != fields.size())
            throw CFailure(where + std::to_string(cells.size()) + " fields, the first line names " +
                           std::to_string(fields.size()) + ".");
        auto row = std::make_shared<Row>();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (!fields[i]) continue;
            try {
                fields[i]->SetText(*row, cells[i]);
            } catch (const std::exception& e) {
                throw CFailure(where + std::string(fields[i]->column.name) + ": " + e.what());
            }
        }
        add(row);
    }
}

}  // namespace

std::string TestListText(const std::vector<std::shared_ptr<veh::CSelection>>& rows)
{
    return ListText(rows);
}

std::string TestListText(const std::vector<std::shared_ptr<com::CSelection>>& rows)
{
    return ListText(rows);
}

std::string TestListText(const std::vector<std::shared_ptr<bio::CSelection>>& rows)
{
    return ListText(rows);
}

void ReadTestList(const std::string& text, const std::function<void(std::shared_ptr<veh::CSelection>)>& add)
{
    ReadList(text, add);
}

void ReadTestList(const std::string& text, const std::function<void(std::shared_ptr<com::CSelection>)>& add)
{
    ReadList(text, add);
}

void ReadTestList(const std::string& text, const std::function<void(std::shared_ptr<bio::CSelection>)>& add)
{
    ReadList(text, add);
}

}  // namespace ko
