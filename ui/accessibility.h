#pragma once

#include <QWidget>

class QAbstractButton;

namespace orbel {

// What a screen reader learns beyond what Qt's widgets say of themselves.

// Has Qt ask here first for the interfaces a screen reader reads: the main
// window as a frame, the frames, every line edit (the fields and the input
// box's) and the announcement below. Once is enough; before the first window is built.
void installAccessibility();

// A line spoken to a screen reader while the keyboard focus stays where it
// is. Qt 6.4 has no announcement event, but a notification that turns up is
// spoken at once: this one has nothing to paint and no room, and turns up
// anew with each line, which is its name.
class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);

    void announce(const QString& line);
};

// A camera's tooltip, and for a screen reader also the keys that work on it:
// Page Up and Page Down on every camera, Enter on one that takes a custom
// resolution.
void setCameraTip(QAbstractButton* camera, const QString& tip, bool takesResolution);

} // namespace orbel
