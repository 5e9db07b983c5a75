#pragma once

// What the document needs of a view: to be told of every change, and an
// object on the user-interface thread that receives the engine's replies.

class QObject;

class IDivuzView {
public:
    virtual ~IDivuzView() = default;

    // The document changed. The view reads the record again (GetData), plays
    // the pending sound event, lets its windows repaint and then clears the
    // event through the document (ClearSoundEvent).
    virtual void OnUpdate() = 0;

    // Receives the reply commands of the engine thread. The document filters
    // them out of this object's event queue, so the view itself needs no
    // code for them; the object must outlive the view's registration.
    virtual QObject *ReplyTarget() = 0;

protected:
    IDivuzView() = default;
    IDivuzView(const IDivuzView &) = default;
    IDivuzView &operator=(const IDivuzView &) = default;
};
