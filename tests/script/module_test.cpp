#include <gtest/gtest.h>
#include <lua.hpp>

#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

class Module : public ScriptLevel {};

TEST_F(Module, Smoke) {
  EXPECT_TRUE(Load("c = CreateCircle(10, 20, 5, '', true) GetApplication():GetSpace():Insert(c, 'ball')"));
  EXPECT_EQ(Eval("c"), "object");
  EXPECT_NE(Space().FindObject("ball"), nullptr);
  for (const auto& l : trace.Lines()) std::printf("%s\n", l.c_str());
}

}  // namespace
}  // namespace ScriptTest
