#include <gtest/gtest.h>

#include <QApplication>

#include "main_window.h"
#include "save_location.h"
#include "scripted_dialogs.h"

namespace pelorine::test {
namespace {

TEST(WindowCreationTest, AssetsThatDoNotDecodeGiveNoWindow) {
  const WindowAssets good = EmbeddedAssets();
  ASSERT_FALSE(good.icon.isEmpty());
  ASSERT_FALSE(good.logo.isEmpty());
  const QByteArray garbage("definitely not a picture file");
  const struct {
    const char* description;
    WindowAssets assets;
  } kBroken[] = {
      {"empty icon", {QByteArray(), good.logo}},
      {"garbage icon", {garbage, good.logo}},
      {"empty logo", {good.icon, QByteArray()}},
      {"garbage logo", {good.icon, garbage}},
      {"swapped", {good.logo, good.icon}},
  };
  ScriptedDialogs dialogs;
  SaveLocation location;
  for (const auto& [description, assets] : kBroken) {
    SCOPED_TRACE(description);
    EXPECT_EQ(CreateMainWindow(assets, dialogs, location), nullptr);
  }
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

}  // namespace
}  // namespace pelorine::test
