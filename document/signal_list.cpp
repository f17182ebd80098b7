// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/signal_list.h"

#include <cmath>

#include "core/number_text.h"

namespace ko {

namespace {

constexpr int kTitleColumns = 21;

std::string WholeText(double value)
{
    return WithoutNegativeZero(FixedText(std::trunc(value), 0));
}

}  // namespace

std::vector<CListColumn> SignalTitleColumns(TestKind kind)
{
    const int vehicle = kind == TestKind::Vehicle ? 25 : 0;
    const int component = kind == TestKind::Component ? 25 : 0;
    return {{"VEHNO", vehicle}, {"CMPNO", component}, {"CNFNO", component}, {"SENLOC", vehicle},
            {"SENLOCD", 0},     {"SENTYP", 25},       {"SENTYPD", 0},       {"SENATT", 25},
            {"SENATTD", 0},     {"AXIS", 25},         {"AXISD", 0},         {"XUNITS", 25},
            {"XUNITSD", 0},     {"XTYPE", 25},        {"YUNITS", 25},       {"YUNITSD", 0},
            {"YTYPE", 25},      {"DASTAT", 25},       {"DASTATD", 0},       {"CHSTAT", 25},
            {"CHSTATD", 0}};
}

int SignalTitleFitFirst(TestKind kind)
{
    switch (kind) {
        case TestKind::Vehicle: return 0;
        case TestKind::Component: return 1;
        default: return 7;
    }
}

bool SignalTitleFills(TestKind kind, int column)
{
    if (column >= 5 && column < kTitleColumns) return true;
    switch (kind) {
        case TestKind::Vehicle: return column == 0 || column == 3 || column == 4;
        case TestKind::Component: return column == 1 || column == 2;
        case TestKind::Biomechanics: return column == 3 || column == 4;
        default: return false;
    }
}

const std::vector<CListColumn>& SignalListColumns()
{
    static const std::vector<CListColumn> columns{
        {"TSTNO", 25},  {"CURNO", 25},  {"NFP", 20},    {"NLP", 20},    {"DELT", 20},
        {"PREFIL", 25}, {"PREMAX", 25}, {"PREMIN", 25}, {"INSRAT", 25}, {"CHLMAX", 25},
        {"INIVEL", 25}, {"NAME", 25},   {"INSCOM", 0},  {"INSMAN", 0}};
    return columns;
}

bool SignalListSorts(int column)
{
    return (column >= 0 && column <= 2) || (column >= 4 && column <= 6);
}

std::vector<std::string> SignalListCells(const CInstrumentation& row)
{
    return {row.GetText(),
            std::to_string(row.GetCURNO()),
            std::to_string(row.GetNFP()),
            std::to_string(row.GetNLP()),
            WholeText(row.GetDELT()),
            std::to_string(row.GetPREFIL()),
            FixedText(row.GetPREMAX(), 1),
            FixedText(row.GetPREMIN(), 1),
            std::to_string(row.GetINSRAT()),
            std::to_string(row.GetCHLMAX()),
            FixedText(row.GetINIVEL(), 1),
            row.GetSIGNALNAME(),
            row.GetINSCOM(),
            row.GetINSMAN()};
}

}  // namespace ko
