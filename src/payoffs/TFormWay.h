#pragma once

#include <QWidget>

// The way window: lists the ways a way ticket can be bet. It lives hidden
// beside the main window from start-up to exit and stays on top when shown.
class TFormWay : public QWidget {
    Q_OBJECT
public:
    explicit TFormWay(QWidget* parent = nullptr);
};
