// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>

#include "formats/ev5_file.h"
#include "model/biomechanics_test.h"

namespace ko {

// EV5 file of a biomechanics test: TEST, BIO OCCUPANT, DUMMY OCCUPANT,
// RESTRAINT, ANTHROPOMETRY, RIB, OCCUPANT INJURY, INSTRUMENTATION, CHEST BAND,
// CHEST BAND GAUGE.
class CEV5Bio : public CEV5File<CBioTest> {
public:
    explicit CEV5Bio(std::shared_ptr<CBioTest> test = nullptr, int testNumber = 0)
        : CEV5File(std::move(test), testNumber)
    {
    }

protected:
    const CEV5Sections<CBioTest>& GetSections() const override;
    const char* InvalidTestText() const override { return "Invalid Biomechanics Test"; }
};

// EV5 Extension file of a biomechanics test.
class CEV5BioExt : public CEV5Bio {
public:
    using CEV5Bio::CEV5Bio;

protected:
    const CEV5Sections<CBioTest>& GetSections() const override;
    std::string Header() const override;
};

}  // namespace ko
