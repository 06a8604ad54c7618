#pragma once

class QWidget;

// The About box, modal to the owner; returns when it is closed with OK.
void showAboutBox(QWidget& owner);
