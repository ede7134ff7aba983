// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Clock.h"
#include "core/LocaleNames.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cstdlib>

namespace {

// The offscreen platform's screen: a large one, so that the window has its
// designed size, unless TAVRIN_TEST_SCREEN ("WIDTHxHEIGHT") asks for another.
// Qt reads it from a configuration file.
void ChooseScreen(QTemporaryFile& configuration) {
    const char* asked = std::getenv("TAVRIN_TEST_SCREEN");
    const QStringList size = QString::fromLatin1(asked != nullptr ? asked : "2560x1600").split(u'x');
    configuration.open();
    configuration.write(QStringLiteral(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": %1, "height": %2,
                                          "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                            .arg(size.value(0), size.value(1))
                            .toUtf8());
    configuration.close();
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + configuration.fileName()).toLocal8Bit().constData(), 1);
}

}  // namespace

// GUI tests run offscreen in US English on a fixed day, 15 May 2024, so that
// the window's lists and defaults do not depend on the machine.
int main(int argc, char** argv) {
    QTemporaryFile screenConfiguration;
    ChooseScreen(screenConfiguration);
    // Settings (recent files, view choices) in a folder of the run's own,
    // never the user's.
    QTemporaryDir settings;
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    setenv("LC_ALL", "en_US.UTF-8", 1);
    setenv("LANG", "en_US.UTF-8", 1);
    SetLocaleNames(MakeEnglishLocaleNames());
    const CScopedFixedClock clock(CLocalTime{2024, 5, 15, 12, 0, 0});
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
