// The one road to a message box, replaceable by tests so that nothing blocks.
#pragma once

#include <QString>

class QWidget;

namespace taremo {

enum class MessageIcon { Information, Exclamation };

inline const QString kGameTitle = QStringLiteral("Taremo");

// Shows modal message boxes; the game's default shows real ones.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(QWidget* parent, MessageIcon icon, const QString& title,
                      const QString& text) = 0;
};

// Replaces the sink (nullptr restores real message boxes). The caller keeps ownership.
void setMessageSink(MessageSink* sink);

// The width a window needs to show `title` whole in its title bar.
int titleFitWidth(const QString& title);

// A modal box with one OK button, wide enough for its whole title; returns once the player has
// closed it.
void showMessage(QWidget* parent, MessageIcon icon, const QString& text,
                 const QString& title = kGameTitle);

} // namespace taremo
