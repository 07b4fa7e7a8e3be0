// CreateAutomationObject of a ProgID that no server registered. What an object does once made
// needs a server: the Wine scenarios hold the stand-in ACT! to it.
#include "platform/Automation.h"

#include <gtest/gtest.h>

#include "PortContractTest.h"

namespace portcontract {
namespace {

using PortContractCreateAutomationObject = PortContractTest;

TEST_F(PortContractCreateAutomationObject, FailsWith429ForAProgIdNotRegistered) {
    try {
        const platform::ObjectRef object =
            platform::CreateAutomationObject(L"Quendelhof.KeinServer");
        ADD_FAILURE() << "an object without a server";
    } catch (const platform::Failure& failure) {
        EXPECT_EQ(failure.Number(), 429);
    }
}

}  // namespace
}  // namespace portcontract
