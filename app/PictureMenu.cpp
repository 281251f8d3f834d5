// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureMenu.h"

#include "Help.h"
#include "Languages.h"
#include "PictureView.h"
#include "frmRavo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QScrollBar>

namespace ravo {

PictureMenu::~PictureMenu() {
    delete menu_.data();
}

QMenu* PictureMenu::open() const {
    return menu_ && menu_->isVisible() ? menu_.data() : nullptr;
}

void PictureMenu::popup(QPoint globalPoint) {
    delete menu_.data();
    auto* menu = new QMenu(&window_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu_ = menu;
    window_.zoomWith(*menu);
    const QtTranslator& tr = window_.translator();
    for (const MenuEntry& entry : pictureMenu()) {
        const QKeySequence shortcut =
            entry.shortcut ? QKeySequence(QString::fromLatin1(entry.shortcut)) : QKeySequence();
        switch (entry.id) {
        case MenuEntry::Id::Separator:
            menu->addSeparator();
            break;
        case MenuEntry::Id::CopyPicture:
            menu->addAction(tr(entry.label), shortcut, &window_, [this] { window_.copyPicture(); });
            break;
        case MenuEntry::Id::CopyData:
            menu->addAction(tr(entry.label), shortcut, &window_, [this] { window_.copyData(); });
            break;
        case MenuEntry::Id::KeysHelp:
            menu->addAction(tr(entry.label), shortcut, &window_, [this] { window_.showKeysHelp(); });
            break;
        case MenuEntry::Id::CopyLink:
            menu->addAction(tr(entry.label), shortcut, &window_, [this] { window_.copyLink(); });
            break;
        case MenuEntry::Id::OpenLink:
            menu->addAction(tr(entry.label), shortcut, &window_, [this] {
                window_.openLink(QGuiApplication::clipboard()->text());
            });
            break;
        case MenuEntry::Id::UndoErase:
            menu->addAction(tr(entry.label), shortcut, &window_, [this] { window_.undoErase(); })
                ->setEnabled(window_.session().canUndoErase());
            break;
        case MenuEntry::Id::Listen: {
            const bool sound = window_.pictureView().soundAvailable();
            QAction* listen = menu->addAction(sound ? tr(entry.label) : tr(listenWithoutSound()),
                                              shortcut, &window_,
                                              [this] { window_.pictureView().listen(); });
            listen->setEnabled(sound && !window_.running());
            break;
        }
        case MenuEntry::Id::Projector:
        case MenuEntry::Id::Shapes:
        case MenuEntry::Id::HideMarks:
        case MenuEntry::Id::Legend: {
            ViewOptions view = window_.view();
            bool& option = entry.id == MenuEntry::Id::Projector ? view.projector
                           : entry.id == MenuEntry::Id::Shapes  ? view.shapes
                           : entry.id == MenuEntry::Id::HideMarks ? view.hideMarks
                                                                  : view.legend;
            QAction* toggle = menu->addAction(tr(entry.label));
            toggle->setCheckable(true);
            toggle->setChecked(option);
            const MenuEntry::Id id = entry.id;
            QObject::connect(toggle, &QAction::toggled, &window_, [this, id](bool on) {
                ViewOptions changed = window_.view();
                (id == MenuEntry::Id::Projector ? changed.projector
                 : id == MenuEntry::Id::Shapes  ? changed.shapes
                 : id == MenuEntry::Id::HideMarks ? changed.hideMarks
                                                  : changed.legend) = on;
                window_.setView(changed);
            });
            break;
        }
        case MenuEntry::Id::Pace: {
            QMenu* pace = menu->addMenu(tr(entry.label));
            window_.zoomWith(*pace);
            for (const Pace& choice : paces()) {
                QAction* action = pace->addAction(tr(choice.name));
                action->setCheckable(true);
                action->setChecked(window_.form().scrollValue() == choice.slowDown);
                action->setEnabled(!window_.running());
                QObject::connect(action, &QAction::triggered, &window_,
                                 [this, value = choice.slowDown] { window_.setPace(value); });
            }
            break;
        }
        case MenuEntry::Id::Language: {
            QMenu* languages = menu->addMenu(tr(entry.label));
            window_.zoomWith(*languages);
            for (const Language& language : Languages::all()) {
                QAction* choice = languages->addAction(QString::fromUtf8(language.name));
                choice->setCheckable(true);
                choice->setChecked(window_.language() == QLatin1String(language.code));
                const QString code = QString::fromLatin1(language.code);
                QObject::connect(choice, &QAction::triggered, &window_,
                                 [this, code] { window_.setLanguage(code); });
            }
            break;
        }
        }
    }
    menu->popup(globalPoint);
}

} // namespace ravo
