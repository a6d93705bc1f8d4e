#pragma once

#include "datalink/DataLink.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace quorvane::ui {

/// Quorvane's own editor for data-link (.udl) files, which Linux does not provide. It edits the
/// properties a provider uses and keeps every other property of the file as it stands.
class TDataLinkEditor : public QDialog {
    Q_OBJECT

public:
    /// Loads `path` when it exists; a missing file or an empty path starts a new SQLite link.
    explicit TDataLinkEditor(const QString& path, QWidget* parent = nullptr);

    /// The file saved to, or to be saved to; empty until a new link has been given a name.
    QString Path() const { return FPath; }

    /// Why the file could not be loaded, or "" when it loaded or did not exist.
    QString LoadError() const { return FLoadError; }

    /// The properties that saving would write: the file's own, with the fields the chosen
    /// provider uses taken from the window.
    TConnectionProperties Properties() const;

    /// Writes the properties to Path(), asking for a file name first when there is none, and
    /// asking first whether to save a link that names no database. Shows the error and returns
    /// false when the file cannot be written, no name is given or the user says no.
    bool Save();

    /// True when the fields that name the database for the chosen provider are all empty.
    bool NamesNoDatabase() const;

    /// Opens the database the properties name and counts its tables and views. Returns the text
    /// it also shows in TestResult_Lab; the password never appears in it.
    QString TestConnection();

    /// Saves first and stays open when saving fails.
    void accept() override;

    QLabel* Provider_Lab;
    QComboBox* Provider_Cbo;
    QLabel* DataSource_Lab;
    QLineEdit* DataSource_Edt;
    QPushButton* Browse_Btn;
    QLabel* InitialCatalog_Lab;
    QLineEdit* InitialCatalog_Edt;
    QLabel* UserID_Lab;
    QLineEdit* UserID_Edt;
    QLabel* Password_Lab;
    QLineEdit* Password_Edt;
    QLabel* ExtendedProperties_Lab;
    QLineEdit* ExtendedProperties_Edt;
    QPushButton* TestConnection_Btn;
    QLabel* TestResult_Lab;
    QPushButton* OK_Btn;
    QPushButton* Cancel_Btn;

    void Provider_CboChange();
    void Browse_BtnClick();
    void TestConnection_BtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadFile();
    void UpdateTitle();
    QString DataLinkFolder() const;

    QString FPath;
    QString FLoadError;
    bool FLoadErrorShown = false;
    // The file's properties as read; saving starts from them so that properties this window does
    // not edit survive.
    TConnectionProperties FLoaded;
    QFormLayout* FFields;
    QWidget* FDataSourceRow;
};

} // namespace quorvane::ui
