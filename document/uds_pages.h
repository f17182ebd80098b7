// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/signal.h"

namespace ko {

// A header field of a signal as text under its UDS name: integers in
// decimal, reals in six significant digits, texts as they are. FILEVER is the
// file's version number (VERNO); NCHAN is 1 (a file holds one curve); T0 is
// the time of the first point. Throws
// std::out_of_range "Unknown UDS field: <name>" for any other name.
std::string UDSFieldText(const CData& signal, std::string_view name);

// The pages of the UDS specification viewer: each page has sub-pages (a page
// without any has one sub-page without a title), each sub-page groups of
// labelled fields.
struct CUDSPageField {
    const char* label;
    const char* field;
};
struct CUDSPageGroup {
    const char* title;
    std::vector<CUDSPageField> fields;
};
struct CUDSSubPage {
    const char* title;
    std::vector<CUDSPageGroup> groups;
    // Only some files carry the group (second vehicle, occupants, injury).
    bool optional = false;
};
struct CUDSPage {
    const char* title;
    std::vector<CUDSSubPage> subPages;
};

// "Test", "Vehicle", "Occupant", "Curve" in this order.
const std::vector<CUDSPage>& UDSPages();

// Whether the signal's header fills an optional sub-page: some field holds
// more than its empty value ("", "0" or "NONE"). Sub-pages that are not
// optional are always present.
bool UDSSubPagePresent(const CData& signal, const CUDSSubPage& page);

}  // namespace ko
