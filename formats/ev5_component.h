// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>

#include "formats/ev5_file.h"
#include "model/component_test.h"

namespace ko {

// EV5 file of a component test: TEST, VEHICLE, COMPONENT, ROLLOVER (written
// only when TSTTYP is exactly "ROV"), CONFIGURATION, INSTRUMENTATION. The
// VEHICLE line has 8 pipes or 15 (with VIMFNO to EQUIP).
class CEV5Com : public CEV5File<CComTest> {
public:
    explicit CEV5Com(std::shared_ptr<CComTest> test = nullptr, int testNumber = 0)
        : CEV5File(std::move(test), testNumber)
    {
    }

protected:
    const CEV5Sections<CComTest>& GetSections() const override;
    const char* InvalidTestText() const override { return "Invalid Component Test"; }
};

// EV5 Extension file of a component test.
class CEV5ComExt : public CEV5Com {
public:
    using CEV5Com::CEV5Com;

protected:
    const CEV5Sections<CComTest>& GetSections() const override;
    std::string Header() const override;
};

}  // namespace ko
