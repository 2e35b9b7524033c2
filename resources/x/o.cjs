/* Quillary skin: a Qt style sheet applied to the entry window.
   Every rule that sets a background also sets the text (and selection)
   colours drawn on it, so the window reads the same whatever colour scheme
   the desktop uses; every text is at 4.5:1 or more against its background. */
QWidget#Form1, QWidget#Form1 QGroupBox {
    background-color: #e9eef4;
    color: #1d2b3a;
}
QWidget#Form1 platform--PictureBox QLabel, QWidget#Form1 QGroupBox QLabel {
    background-color: transparent;
    color: #1d2b3a;
}
QWidget#Form1 QGroupBox {
    border: 1px solid #6b7f95;
    border-radius: 4px;
    margin-top: 8px;
    padding-top: 4px;
}
QWidget#Form1 QGroupBox::title {
    subcontrol-origin: margin;
    left: 8px;
    padding: 0 4px;
    color: #1f4e79;
}
QWidget#Form1 QPushButton {
    color: #ffffff;
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3873ab, stop:1 #24598f);
    border: 1px solid #1b4572;
    border-radius: 4px;
    padding: 2px 8px;
}
QWidget#Form1 QPushButton:hover {
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a74ad, stop:1 #2b66a0);
}
QWidget#Form1 QPushButton:pressed {
    background-color: #1b4572;
}
QWidget#Form1 QPushButton:focus {
    border: 1px solid #1a3e66;
}
QWidget#Form1 QLineEdit, QWidget#Form1 QPlainTextEdit, QWidget#Form1 QTreeWidget {
    background-color: #ffffff;
    color: #1d2b3a;
    border: 1px solid #6b7f95;
    border-radius: 2px;
    selection-background-color: #2b66a0;
    selection-color: #ffffff;
}
QWidget#Form1 QTreeWidget::item:selected {
    background-color: #2b66a0;
    color: #ffffff;
}
QWidget#Form1 QLineEdit:focus, QWidget#Form1 QPlainTextEdit:focus, QWidget#Form1 QTreeWidget:focus {
    border: 1px solid #1a3e66;
}
QWidget#Form1 QTabBar::tab {
    background-color: #d3dde8;
    color: #1d2b3a;
    border: 1px solid #6b7f95;
    border-bottom: none;
    border-top-left-radius: 4px;
    border-top-right-radius: 4px;
    padding: 2px 10px;
}
QWidget#Form1 QTabBar::tab:selected {
    background-color: #ffffff;
    color: #1f4e79;
}
QWidget#Form1 QHeaderView::section {
    background-color: #d3dde8;
    color: #1d2b3a;
    border: none;
    border-right: 1px solid #6b7f95;
    border-bottom: 1px solid #6b7f95;
    padding: 2px 4px;
}
QWidget#Form1 platform--PictureBox {
    background-color: #f6f8fb;
    color: #1d2b3a;
}
