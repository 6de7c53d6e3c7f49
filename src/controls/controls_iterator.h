// A walk over controls (every control, one panel's, or a panel subtree) made by the container.
#pragma once

class tvelmor_control;

class icontrols_iterator {
public:
    virtual ~icontrols_iterator() = default;
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool eof() const = 0;
    virtual tvelmor_control* item() const = 0;
};

// The iterator made for an unknown interface number: it yields nothing.
class tinterface_controls_empty : public icontrols_iterator {
public:
    void first() override {}
    void next() override {}
    bool eof() const override { return true; }
    tvelmor_control* item() const override { return nullptr; }
};
