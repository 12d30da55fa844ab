#include "tests/support/GoldenImage.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString SourcePath(const QString& goldenPath)
{
    return QDir(QStringLiteral(TRACKWELL_TEST_SOURCE_DIR)).filePath(goldenPath);
}

QString ActualPath(const QString& goldenPath)
{
    const QFileInfo info(goldenPath);
    return QDir::current().filePath(info.completeBaseName() + QStringLiteral(".actual.png"));
}

// First differing pixel, or an empty text when the pictures are equal.
QString FirstDifference(const QImage& expected, const QImage& actual)
{
    if (expected.size() != actual.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel (%1,%2) is %3, expected %4")
                    .arg(x).arg(y)
                    .arg(actual.pixel(x, y), 8, 16, QLatin1Char('0'))
                    .arg(expected.pixel(x, y), 8, 16, QLatin1Char('0'));
    return {};
}

}  // namespace

testing::AssertionResult MatchesGolden(const QImage& actual, const QString& goldenPath)
{
    const QImage rendered = actual.convertToFormat(QImage::Format_ARGB32);
    const QString source = SourcePath(goldenPath);
    const bool update = qEnvironmentVariableIntValue("TRACKWELL_UPDATE_GOLDEN") == 1;

    QImage golden;
    const bool haveGolden = golden.load(source, "PNG");
    const QString difference = haveGolden
        ? FirstDifference(golden.convertToFormat(QImage::Format_ARGB32), rendered)
        : QStringLiteral("no golden picture");
    if (difference.isEmpty())
        return testing::AssertionSuccess();

    if (update) {
        QDir().mkpath(QFileInfo(source).absolutePath());
        if (rendered.save(source, "PNG"))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "cannot write " << source.toStdString();
    }
    const QString actualPath = ActualPath(goldenPath);
    rendered.save(actualPath, "PNG");
    return testing::AssertionFailure() << difference.toStdString() << " (golden " << source.toStdString()
                                       << ", actual written to " << actualPath.toStdString() << ")";
}
