#pragma once

// What the document needs of a view: to be told of every change.

class IDivuzView
{
  public:
    virtual ~IDivuzView() = default;

    // The document changed. The view reads the record again (GetData), plays
    // the pending sound event, lets its windows repaint and then clears the
    // event through the document (ClearSoundEvent).
    virtual void OnUpdate() = 0;

  protected:
    IDivuzView() = default;
    IDivuzView(const IDivuzView &) = default;
    IDivuzView &operator=(const IDivuzView &) = default;
};
