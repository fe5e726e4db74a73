// Message boxes, through a sink that whoever shows them is given: real boxes in the game, a
// record in the tests, so that nothing blocks.
#pragma once

#include <QString>

class QWidget;

namespace taremo {

enum class MessageIcon { Information, Exclamation };

inline const QString kGameTitle = QStringLiteral("Taremo");

// Shows modal message boxes, each returning once the player has closed it.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(QWidget* parent, MessageIcon icon, const QString& title,
                      const QString& text) = 0;
};

// The game's sink: a modal box with one OK button, wide enough for its whole title.
class MessageBoxes : public MessageSink {
public:
    void show(QWidget* parent, MessageIcon icon, const QString& title,
              const QString& text) override;
};

// The width a window needs to show `title` whole in its title bar.
int titleFitWidth(const QString& title);

} // namespace taremo
