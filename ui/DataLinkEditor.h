#pragma once

#include "datalink/DataLink.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QString>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
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

    /// Makes the new link one for the database file `databaseFile`: `provider` chosen and the
    /// file as its Data Source. Saving asks where to save the link, proposing one of the
    /// database's name beside it.
    void PresetDatabaseFile(const QString& provider, const QString& databaseFile);

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

    /// The provider the window names, as the file holds it: the ProgID of the listed provider
    /// chosen, in the file's own spelling when the file named it, else the text as typed.
    QString ProviderName() const;

    /// What the Test Connection button does: opens the database the properties name and counts
    /// its tables and views, on a thread of its own, so that the window keeps answering while a
    /// server takes its time. The button is disabled and a busy bar runs meanwhile; the result
    /// shows in TestResult_Txt and comes with TestConnectionFinished. Does nothing while a test
    /// runs.
    void StartTestConnection();

    /// Whether a test started by StartTestConnection has not yet reported.
    bool TestRunning() const;

    /// Starts a test, if none runs, and waits for it with the event loop running. Returns the
    /// text the window shows, on one line; the password never appears in it.
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
    QProgressBar* TestBusy_Bar;
    QPlainTextEdit* TestResult_Txt;
    QPushButton* OK_Btn;
    QPushButton* Cancel_Btn;

    void Provider_CboChange();
    void Browse_BtnClick();
    void TestConnection_BtnClick();

signals:
    /// A test has ended with `result`, the text the window shows.
    void TestConnectionFinished(const QString& result);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadFile();
    void ChooseProvider(const QString& provider);
    void UpdateTitle();
    QString DataLinkFolder() const;
    void ShowTestResult(const QString& text);
    void FieldsChanged();
    void TestEnded();

    QString FPath;
    // Where the file chooser proposes to save a new link; "" for its own default.
    QString FProposedPath;
    QString FLoadError;
    bool FLoadErrorShown = false;
    // The file's properties as read; saving starts from them so that properties this window does
    // not edit survive.
    TConnectionProperties FLoaded;
    QFormLayout* FFields;
    QWidget* FDataSourceRow;
    // The running test. A child of the window: when the window goes first, the test runs on with
    // copies of its own and its result reaches nobody.
    QFutureWatcher<QString>* FTest;
    // Counts the edits of the fields; a test result that arrives after one is not shown, since
    // it speaks of fields that are no longer there.
    unsigned FFieldsEdition = 0;
    unsigned FTestedEdition = 0;
    // From the start of a test until its result has been handled; the future ends earlier.
    bool FTestRunning = false;
};

} // namespace quorvane::ui
