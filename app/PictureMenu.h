// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointer>

class QMenu;

namespace ravo {

class frmRavo;

// The picture's menu (a right click): copying the picture and the data, projector colours,
// the pace, the language and the list of keys, from the entries the program names. It is
// shown with popup(): the event loop goes on, and a choice reaches the window through it.
class PictureMenu {
public:
    explicit PictureMenu(frmRavo& window) : window_(window) {}
    ~PictureMenu();

    void popup(QPoint globalPoint);
    // The menu while it is open.
    QMenu* open() const;

private:
    frmRavo& window_;
    QPointer<QMenu> menu_;
};

} // namespace ravo
