#include "toolkit/dialog_placement.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QScreen>
#include <algorithm>
#include <array>

namespace lorvex {
namespace {

// The caption and menu bar of a window: what lies between the top of its
// frame and the top of its contents.
int captionAndMenuHeight(const QWidget& window) {
    int height = window.geometry().top() - window.frameGeometry().top();
    if (const auto* main = qobject_cast<const QMainWindow*>(&window);
        main != nullptr && main->menuWidget() != nullptr) {
        height += main->menuWidget()->height();
    }
    return height;
}

}  // namespace

QPoint dialogPosition(const DialogGeometry& geometry, QPoint jitter) {
    const int w = geometry.dialog.width();
    const int h = geometry.dialog.height();
    const int W = geometry.screen.width();
    const int H = geometry.screen.height();
    const int l = geometry.parent.x();
    const int t = geometry.parent.y();
    const int r = l + geometry.parent.width();
    const int b = t + geometry.parent.height();

    int x = 0;
    int y = 0;
    if (r + w < W) {
        x = r + (W - r - w) / 2;
        y = 2 * ((H - h) / 3);
    } else if (w < l) {
        x = (l - w) / 2;
        y = 2 * ((H - h) / 3);
    } else {
        x = l + 10;
        if (b + h < H) {
            y = b + (H - b - h) / 2;
        } else if (h < t) {
            y = (t - h) / 2;
        } else {
            y = t + geometry.captionAndMenuHeight;
        }
    }
    return {x + jitter.x(), y + jitter.y()};
}

QRect clearOfDialogs(const QRect& wanted, const std::vector<QRect>& dialogs, const QRect& parent,
                     const QRect& screen) {
    const auto covered = std::ranges::find_if(
        dialogs, [&wanted](const QRect& dialog) { return dialog.intersects(wanted); });
    if (covered == dialogs.end()) return wanted;
    const QRect& other = *covered;
    const QSize size = wanted.size();
    const std::array candidates = {
        QRect(QPoint(other.x() + other.width(), wanted.y()), size),
        QRect(QPoint(other.x() - size.width(), wanted.y()), size),
        QRect(QPoint(wanted.x(), other.y() + other.height()), size),
        QRect(QPoint(wanted.x(), other.y() - size.height()), size),
    };
    for (const QRect& candidate : candidates) {
        const bool free = screen.contains(candidate) && !candidate.intersects(parent) &&
                          std::ranges::none_of(dialogs, [&candidate](const QRect& dialog) {
                              return dialog.intersects(candidate);
                          });
        if (free) return candidate;
    }
    return wanted;
}

QPoint placementJitter(RandomGenerator& random) {
    const auto shift = [&random] { return 10 - static_cast<int>(random.next() % 20); };
    const int dx = shift();
    return {dx, shift()};
}

}  // namespace lorvex

namespace lorvex {

void placeBesideOwner(QWidget& dialog, RandomGenerator& random, const QWidget* beside) {
    dialog.adjustSize();
    const QWidget* owner = beside != nullptr ? beside : dialog.parentWidget();
    const QScreen* screen = owner != nullptr ? owner->screen() : QApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect screenRect = screen->geometry();
    DialogGeometry geometry{dialog.size(), {}, screenRect.size(), 0};
    if (owner != nullptr) {
        geometry.parent = owner->window()->frameGeometry().translated(-screenRect.topLeft());
        geometry.captionAndMenuHeight = captionAndMenuHeight(*owner->window());
    }
    const QPoint position =
        dialogPosition(geometry, placementJitter(random)) + screenRect.topLeft();
    std::vector<QRect> dialogs;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &dialog && window->isVisible() && qobject_cast<const QDialog*>(window))
            dialogs.push_back(window->frameGeometry());
    }
    const QRect parent = owner != nullptr ? owner->window()->frameGeometry() : QRect();
    dialog.move(
        clearOfDialogs(QRect(position, dialog.frameGeometry().size()), dialogs, parent, screenRect)
            .topLeft());
}

}  // namespace lorvex
