#pragma once

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>
#include <initializer_list>

namespace lorvex {

// Adds a line of widgets, left-aligned, to a dialog laid out line by line,
// so that each line reads as a phrase ("[M] * X   <   [B]").
inline QHBoxLayout* addLine(QVBoxLayout& layout, std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    for (QWidget* widget : widgets)
        line->addWidget(widget);
    line->addStretch();
    layout.addLayout(line);
    return line;
}

}  // namespace lorvex
