#pragma once
// Platform-private: the list that a csSimple combo box shows under its edit all the time.
#include <memory>

class QListView;
class QObject;
class QProxyStyle;
class TCustomComboBox;

class TSimpleComboList {
public:
    explicit TSimpleComboList(TCustomComboBox* combo);
    ~TSimpleComboList();
    TSimpleComboList(const TSimpleComboList&) = delete;
    TSimpleComboList& operator=(const TSimpleComboList&) = delete;

    // Places the list under the edit and marks the box's current item in it.
    void Layout();
    void ShowCurrent();
    // The list's background is the control's colour.
    void FollowColor();
    // A press at a client point of the control picks the item under it; true when it did.
    bool PickAt(int x, int y);

private:
    void Pick(int row);

    TCustomComboBox* combo_;
    QListView* list_;
    std::unique_ptr<QObject> watch_;
};
