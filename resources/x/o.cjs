/* Quillary skin: a Qt style sheet applied to the entry window. */
QWidget#Form1, QWidget#Form1 QGroupBox {
    background-color: #e9eef4;
    color: #1d2b3a;
}
QWidget#Form1 QLabel {
    background-color: transparent;
    color: #1d2b3a;
}
QWidget#Form1 QGroupBox {
    border: 1px solid #a9b8c9;
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
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3d7ab8, stop:1 #24598f);
    border: 1px solid #1b4572;
    border-radius: 4px;
    padding: 2px 8px;
}
QWidget#Form1 QPushButton:hover {
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f8cca, stop:1 #2d68a3);
}
QWidget#Form1 QPushButton:pressed {
    background-color: #1b4572;
}
QWidget#Form1 QPushButton:focus {
    border: 1px solid #e0a526;
}
QWidget#Form1 QLineEdit, QWidget#Form1 QPlainTextEdit, QWidget#Form1 QTreeWidget {
    background-color: #ffffff;
    border: 1px solid #a9b8c9;
    border-radius: 2px;
    selection-background-color: #3d7ab8;
}
QWidget#Form1 QLineEdit:focus, QWidget#Form1 QPlainTextEdit:focus, QWidget#Form1 QTreeWidget:focus {
    border: 1px solid #3d7ab8;
}
QWidget#Form1 QTabBar::tab {
    background-color: #d3dde8;
    color: #1d2b3a;
    border: 1px solid #a9b8c9;
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
    border-right: 1px solid #a9b8c9;
    border-bottom: 1px solid #a9b8c9;
    padding: 2px 4px;
}
QWidget#Form1 platform--PictureBox {
    background-color: #f6f8fb;
}
