#include <gtest/gtest.h>

#include "tarvinel/start_application.hpp"

// The program's name, version and desktop identity, as the application reports them.
TEST(StartApplication, NamesTheProgramAndItsVersion) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 2;
  char name[] = "tarvinel";
  char unknown[] = "--no-such-option";
  char* argv[] = {name, unknown, nullptr};
  const auto app = tarvinel::StartApplication(argc, argv);
  ASSERT_NE(app, nullptr);
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("tarvinel"));
  EXPECT_EQ(QApplication::applicationVersion(), QStringLiteral("1.00"));
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.example.tarvinel"));
}
