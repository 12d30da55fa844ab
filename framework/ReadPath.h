#pragma once
// Where a reader is in a stored description ("Button1.Font.Height", "Grid.Columns[2].Width"),
// kept as a chain of parts on the reader's stack and spelt out only when a message needs it.
#include <QString>
#include <QLatin1String>
#include <functional>

class TReadPath {
public:
    // The root: its text is asked for only when a message needs it.
    explicit TReadPath(std::function<QString()> root) : root_(std::move(root)) {}
    // parent, then "." and part (part alone under an empty parent).
    TReadPath(const TReadPath& parent, QLatin1String part) : parent_(&parent), part_(part) {}
    // parent, then "[index]".
    TReadPath(const TReadPath& parent, qsizetype index) : parent_(&parent), index_(index) {}

    QString Text() const;

private:
    const TReadPath* parent_ = nullptr;
    std::function<QString()> root_;
    QLatin1String part_;
    qsizetype index_ = -1;
};
