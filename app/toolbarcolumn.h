#pragma once

#include <QWidget>

#include <array>

class LineShape;
class PictureButton;
class QAction;

// The column of seven picture buttons beside the table: New, Open, Save, Add, Delete, Move up
// and Move down. A button's raised or pressed look comes from the four lines of its frame,
// which follow the mouse; a click triggers the button's menu item.
class ToolbarColumn : public QWidget {
    Q_OBJECT

public:
    static constexpr int ButtonCount = 7;
    // Delete, Move up and Move down: available only while the table holds rows.
    static constexpr int FirstRowCommand = 4;

    enum class FrameLook { Flat, Raised, Pressed };

    // Installs itself on its parent, whose background flattens every frame when the mouse
    // moves over it.
    ToolbarColumn(const std::array<QAction *, ButtonCount> &actions, QWidget *parent);

    // Delete, and the two moves, which a filter turns off.
    void setRowCommandsAvailable(bool deletable, bool movable);
    void flattenAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    struct Frame {
        LineShape *top = nullptr;
        LineShape *left = nullptr;
        LineShape *bottom = nullptr;
        LineShape *right = nullptr;
    };

    void createButton(int button, QAction *action);
    void setLook(int button, FrameLook look);

    std::array<PictureButton *, ButtonCount> m_buttons{};
    std::array<Frame, ButtonCount> m_frames{};
};
