#pragma once
// Compares a rendered picture with a PNG kept beside the tests.
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

// Path relative to the tests folder, e.g. "graphics/golden/stretch.png".
// On a mismatch (size or any pixel) the actual picture is written next to the build as
// "<name>.actual.png" and the assertion fails naming both files. With TRACKWELL_UPDATE_GOLDEN=1
// in the environment a missing or different golden file is (re)written instead.
testing::AssertionResult MatchesGolden(const QImage& actual, const QString& goldenPath);
