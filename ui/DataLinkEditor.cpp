#include "DataLinkEditor.h"

#include "datalink/ProviderFamily.h"
#include "schema/SchemaSource.h"
#include "text/ShownText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <memory>
#include <string>

namespace quorvane::ui {

namespace {

const QString DialogTitle = QStringLiteral("Data Link Properties");
const QString ProviderKey = QStringLiteral("Provider");
const QString DataSourceKey = QStringLiteral("Data Source");
const QString InitialCatalogKey = QStringLiteral("Initial Catalog");
const QString UserIdKey = QStringLiteral("User ID");
const QString PasswordKey = QStringLiteral("Password");
const QString ExtendedPropertiesKey = QStringLiteral("Extended Properties");

// A new link points at a SQLite file: the one database Quorvane reads without any driver.
const QString NewLinkProvider = QStringLiteral("SQLite");

// Which of the window's fields a provider reads, grouped as the engine connects to them.
enum class TProviderUse {
    DatabaseFile, // SQLite, Jet, ACE: Data Source is a file
    Odbc,         // MSDASQL or no provider: an ODBC string, or Data Source as a DSN
    Server,       // SQL Server, PostgreSQL, MySQL, MariaDB: server, database and login
    Firebird,     // Firebird, InterBase: a file or "host:path", and a login
    Unknown       // typed by hand: nothing is known, so nothing is hidden
};

TProviderUse UseOfProvider(const QString& provider) {
    switch (ProviderFamilyOf(provider.toStdString())) {
    case TProviderFamily::Odbc:
        return TProviderUse::Odbc;
    case TProviderFamily::Sqlite:
    case TProviderFamily::Access:
        return TProviderUse::DatabaseFile;
    case TProviderFamily::SqlServer:
    case TProviderFamily::PostgreSql:
    case TProviderFamily::MariaDb:
        return TProviderUse::Server;
    case TProviderFamily::Firebird:
        return TProviderUse::Firebird;
    case TProviderFamily::Unknown:
        break;
    }
    return TProviderUse::Unknown;
}

bool UsesInitialCatalog(TProviderUse use) {
    return use == TProviderUse::Server || use == TProviderUse::Unknown;
}

bool UsesLogin(TProviderUse use) {
    return use != TProviderUse::DatabaseFile;
}

bool UsesExtendedProperties(TProviderUse use) {
    return use == TProviderUse::Odbc || use == TProviderUse::Unknown;
}

bool UsesDatabaseFile(TProviderUse use) {
    return use == TProviderUse::DatabaseFile || use == TProviderUse::Firebird ||
           use == TProviderUse::Unknown;
}

QString DataSourceCaption(TProviderUse use) {
    switch (use) {
    case TProviderUse::DatabaseFile:
        return QStringLiteral("&Data Source (database file):");
    case TProviderUse::Odbc:
        return QStringLiteral("&Data Source (ODBC data source name):");
    case TProviderUse::Server:
        return QStringLiteral("&Data Source (server[:port]):");
    case TProviderUse::Firebird:
        return QStringLiteral("&Data Source (database file, or server:path):");
    case TProviderUse::Unknown:
        break;
    }
    return QStringLiteral("&Data Source:");
}

QString FileFilterOfProvider(const QString& provider) {
    if (provider.startsWith(QLatin1String("SQLite"), Qt::CaseInsensitive)) {
        return QStringLiteral("SQLite Database(*.sqlite *.sqlite3 *.db);;Any File(*)");
    }
    if (UseOfProvider(provider) == TProviderUse::DatabaseFile) {
        return QStringLiteral("Access Database(*.mdb *.accdb);;Any File(*)");
    }
    if (UseOfProvider(provider) == TProviderUse::Firebird) {
        return QStringLiteral("Firebird Database(*.fdb *.gdb *.ib);;Any File(*)");
    }
    return QStringLiteral("Any File(*)");
}

std::string ToEngineText(const QString& text) {
    return text.toStdString();
}

QString FromEngineText(const std::string& text) {
    return QString::fromStdString(text);
}

// File names go to the engine in the file system's own encoding, which need not be UTF-8.
std::string ToEnginePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Some drivers repeat the connection string in their messages; the password must not reach the
// screen even then.
QString WithoutPassword(QString text, const QString& password) {
    if (!password.isEmpty()) {
        text.replace(password, QStringLiteral("***"));
    }
    return text;
}

// A listed provider as the list shows it: its maker's name, then the ProgID the file holds.
QString ProviderCaption(const TKnownProvider& provider) {
    return FromEngineText(std::string(provider.Name)) + QStringLiteral(" (") +
           FromEngineText(std::string(provider.ProgId)) + QLatin1Char(')');
}

// The test itself. It runs on a pool thread and works on copies only: the window may be closed,
// and gone, before the server answers.
QString RunConnectionTest(const std::string& connectionString, const QString& password) {
    QString result;
    try {
        const std::unique_ptr<ISchemaSource> source = OpenSchemaSource(connectionString);
        int tables = 0;
        for (const TCatalogRow& row : source->ReadCatalogue()) {
            if (row.TableType == "TABLE" || row.TableType == "VIEW") {
                ++tables;
            }
        }
        result = QStringLiteral("Test connection succeeded: %1 tables and views.").arg(tables);
    } catch (const std::exception& error) {
        result = QStringLiteral("Test connection failed: ") + FromEngineText(error.what());
    }
    // The password goes before the blanks are merged, so that one holding blanks is still found.
    return FromEngineText(OneLineText(ToEngineText(WithoutPassword(result, password))));
}

} // namespace

TDataLinkEditor::TDataLinkEditor(const QString& path, QWidget* parent)
    : QDialog(parent), Provider_Lab(new QLabel(QStringLiteral("&Provider:"), this)),
      Provider_Cbo(new QComboBox(this)), DataSource_Lab(new QLabel(this)),
      DataSource_Edt(new QLineEdit(this)),
      Browse_Btn(new QPushButton(QStringLiteral("&Browse..."), this)),
      InitialCatalog_Lab(new QLabel(QStringLiteral("Initial &Catalog (database):"), this)),
      InitialCatalog_Edt(new QLineEdit(this)),
      UserID_Lab(new QLabel(QStringLiteral("&User ID:"), this)), UserID_Edt(new QLineEdit(this)),
      Password_Lab(new QLabel(QStringLiteral("Pass&word:"), this)),
      Password_Edt(new QLineEdit(this)),
      ExtendedProperties_Lab(
          new QLabel(QStringLiteral("&Extended Properties (ODBC connection string):"), this)),
      ExtendedProperties_Edt(new QLineEdit(this)),
      TestConnection_Btn(new QPushButton(QStringLiteral("&Test Connection"), this)),
      TestBusy_Bar(new QProgressBar(this)), TestResult_Txt(new QPlainTextEdit(this)),
      OK_Btn(new QPushButton(QStringLiteral("OK"), this)),
      Cancel_Btn(new QPushButton(QStringLiteral("Cancel"), this)), FPath(path),
      FFields(new QFormLayout), FDataSourceRow(new QWidget(this)),
      FTest(new QFutureWatcher<QString>(this)) {
    setObjectName(QStringLiteral("DataLinkEditor"));
    Provider_Lab->setObjectName(QStringLiteral("Provider_Lab"));
    Provider_Cbo->setObjectName(QStringLiteral("Provider_Cbo"));
    DataSource_Lab->setObjectName(QStringLiteral("DataSource_Lab"));
    DataSource_Edt->setObjectName(QStringLiteral("DataSource_Edt"));
    Browse_Btn->setObjectName(QStringLiteral("Browse_Btn"));
    InitialCatalog_Lab->setObjectName(QStringLiteral("InitialCatalog_Lab"));
    InitialCatalog_Edt->setObjectName(QStringLiteral("InitialCatalog_Edt"));
    UserID_Lab->setObjectName(QStringLiteral("UserID_Lab"));
    UserID_Edt->setObjectName(QStringLiteral("UserID_Edt"));
    Password_Lab->setObjectName(QStringLiteral("Password_Lab"));
    Password_Edt->setObjectName(QStringLiteral("Password_Edt"));
    ExtendedProperties_Lab->setObjectName(QStringLiteral("ExtendedProperties_Lab"));
    ExtendedProperties_Edt->setObjectName(QStringLiteral("ExtendedProperties_Edt"));
    TestConnection_Btn->setObjectName(QStringLiteral("TestConnection_Btn"));
    TestBusy_Bar->setObjectName(QStringLiteral("TestBusy_Bar"));
    TestResult_Txt->setObjectName(QStringLiteral("TestResult_Txt"));
    OK_Btn->setObjectName(QStringLiteral("OK_Btn"));
    Cancel_Btn->setObjectName(QStringLiteral("Cancel_Btn"));

    // Editable, because a data-link file may name any provider; the list only offers the ones
    // Quorvane knows how to reach, each by the name a user knows it by, with the ProgID that the
    // file holds beside it.
    Provider_Cbo->setEditable(true);
    Provider_Cbo->setInsertPolicy(QComboBox::NoInsert);
    for (const TKnownProvider& provider : KnownProviders()) {
        Provider_Cbo->addItem(ProviderCaption(provider),
                              FromEngineText(std::string(provider.ProgId)));
    }
    // The longest names would otherwise make the window as wide as they are; the list opens wide
    // enough for them, all at once.
    Provider_Cbo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Provider_Cbo->setMinimumContentsLength(30);
    Provider_Cbo->setMaxVisibleItems(Provider_Cbo->count());
    Provider_Cbo->view()->setMinimumWidth(Provider_Cbo->view()->sizeHintForColumn(0) +
                                          2 * Provider_Cbo->view()->frameWidth());
    Password_Edt->setEchoMode(QLineEdit::Password);
    ExtendedProperties_Edt->setPlaceholderText(
        QStringLiteral("DRIVER={PostgreSQL Unicode};SERVER=localhost;DATABASE=sales"));

    // A running bar without an end: how long a server takes to answer is not known.
    TestBusy_Bar->setRange(0, 0);
    TestBusy_Bar->setTextVisible(false);
    TestBusy_Bar->setMaximumWidth(120);
    TestBusy_Bar->hide();
    // The result has a place of its own, of a fixed height: a long driver message wraps and
    // scrolls there, and never takes height from the fields above. It reads as part of the
    // window, not as a field, and the user may select and copy the message.
    TestResult_Txt->setReadOnly(true);
    TestResult_Txt->setFrameShape(QFrame::NoFrame);
    TestResult_Txt->setFocusPolicy(Qt::ClickFocus);
    TestResult_Txt->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TestResult_Txt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TestResult_Txt->document()->setDocumentMargin(0);
    QPalette resultPalette = TestResult_Txt->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        resultPalette.setColor(group, QPalette::Base, resultPalette.color(group, QPalette::Window));
    }
    TestResult_Txt->setPalette(resultPalette);
    constexpr int ResultLines = 4;
    TestResult_Txt->setFixedHeight(TestResult_Txt->fontMetrics().lineSpacing() * ResultLines +
                                   2 * TestResult_Txt->frameWidth());

    Provider_Lab->setBuddy(Provider_Cbo);
    DataSource_Lab->setBuddy(DataSource_Edt);
    InitialCatalog_Lab->setBuddy(InitialCatalog_Edt);
    UserID_Lab->setBuddy(UserID_Edt);
    Password_Lab->setBuddy(Password_Edt);
    ExtendedProperties_Lab->setBuddy(ExtendedProperties_Edt);

    auto* dataSourceLayout = new QHBoxLayout(FDataSourceRow);
    dataSourceLayout->setContentsMargins(0, 0, 0, 0);
    dataSourceLayout->addWidget(DataSource_Edt, 1);
    dataSourceLayout->addWidget(Browse_Btn);

    FFields->addRow(Provider_Lab, Provider_Cbo);
    FFields->addRow(DataSource_Lab, FDataSourceRow);
    FFields->addRow(InitialCatalog_Lab, InitialCatalog_Edt);
    FFields->addRow(UserID_Lab, UserID_Edt);
    FFields->addRow(Password_Lab, Password_Edt);
    FFields->addRow(ExtendedProperties_Lab, ExtendedProperties_Edt);

    auto* testRow = new QHBoxLayout;
    testRow->addWidget(TestConnection_Btn);
    testRow->addWidget(TestBusy_Bar);
    testRow->addStretch(1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(OK_Btn);
    buttonRow->addWidget(Cancel_Btn);
    OK_Btn->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(FFields);
    layout->addLayout(testRow);
    layout->addWidget(TestResult_Txt);
    layout->addStretch(1);
    layout->addLayout(buttonRow);
    // Rows come and go with the provider; the window follows their height.
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    LoadFile();
    UpdateTitle();
    Provider_CboChange();
    resize(640, sizeHint().height());

    connect(Provider_Cbo, &QComboBox::currentTextChanged, this,
            &TDataLinkEditor::Provider_CboChange);
    for (QLineEdit* field :
         {DataSource_Edt, InitialCatalog_Edt, UserID_Edt, Password_Edt, ExtendedProperties_Edt}) {
        connect(field, &QLineEdit::textChanged, this, &TDataLinkEditor::FieldsChanged);
    }
    connect(FTest, &QFutureWatcher<QString>::finished, this, &TDataLinkEditor::TestEnded);
    connect(Browse_Btn, &QPushButton::clicked, this, &TDataLinkEditor::Browse_BtnClick);
    connect(TestConnection_Btn, &QPushButton::clicked, this,
            &TDataLinkEditor::TestConnection_BtnClick);
    connect(OK_Btn, &QPushButton::clicked, this, &TDataLinkEditor::accept);
    connect(Cancel_Btn, &QPushButton::clicked, this, &TDataLinkEditor::reject);
}

void TDataLinkEditor::LoadFile() {
    FLoaded = TConnectionProperties();
    if (!FPath.isEmpty() && QFileInfo::exists(FPath)) {
        try {
            // As written, so that a relative database path stays relative when saved again.
            FLoaded = ReadDataLinkFileAsWritten(ToEnginePath(FPath));
        } catch (const std::exception& error) {
            FLoadError = FromEngineText(error.what());
            FLoaded = TConnectionProperties();
        }
    }
    const bool loaded = !FLoaded.Items().empty();
    ChooseProvider(loaded ? FromEngineText(FLoaded.Get(ToEngineText(ProviderKey)))
                          : NewLinkProvider);
    const auto loadedValue = [this](const QString& key) {
        return FromEngineText(FLoaded.Get(ToEngineText(key)));
    };
    DataSource_Edt->setText(loadedValue(DataSourceKey));
    InitialCatalog_Edt->setText(loadedValue(InitialCatalogKey));
    UserID_Edt->setText(loadedValue(UserIdKey));
    Password_Edt->setText(loadedValue(PasswordKey));
    ExtendedProperties_Edt->setText(loadedValue(ExtendedPropertiesKey));
}

void TDataLinkEditor::ChooseProvider(const QString& provider) {
    // A listed provider shows by its name; any other as the file spells it.
    const int listed = Provider_Cbo->findData(provider, Qt::UserRole, Qt::MatchFixedString);
    if (listed >= 0) {
        Provider_Cbo->setCurrentIndex(listed);
    } else {
        Provider_Cbo->setCurrentText(provider);
    }
}

void TDataLinkEditor::PresetDatabaseFile(const QString& provider, const QString& databaseFile) {
    ChooseProvider(provider);
    DataSource_Edt->setText(databaseFile);
    const QFileInfo database(databaseFile);
    FProposedPath =
        database.absoluteDir().filePath(database.completeBaseName() + QStringLiteral(".udl"));
}

void TDataLinkEditor::UpdateTitle() {
    setWindowTitle(FPath.isEmpty()
                       ? DialogTitle
                       : DialogTitle + QStringLiteral(" - ") + QFileInfo(FPath).fileName());
}

QString TDataLinkEditor::DataLinkFolder() const {
    return FPath.isEmpty() ? QString() : QFileInfo(FPath).absolutePath();
}

void TDataLinkEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!FLoadError.isEmpty() && !FLoadErrorShown) {
        FLoadErrorShown = true;
        // Queued, so that the box opens over the editor rather than before it.
        QTimer::singleShot(0, this,
                           [this] { QMessageBox::warning(this, windowTitle(), FLoadError); });
    }
}

QString TDataLinkEditor::ProviderName() const {
    const QString text = Provider_Cbo->currentText().trimmed();
    const int listed = Provider_Cbo->findText(text, Qt::MatchExactly);
    if (listed < 0) {
        return text;
    }
    const QString progId = Provider_Cbo->itemData(listed).toString();
    // A file that spells the ProgID in other letter case keeps its spelling.
    const QString inFile = FromEngineText(FLoaded.Get(ToEngineText(ProviderKey)));
    return inFile.compare(progId, Qt::CaseInsensitive) == 0 ? inFile : progId;
}

void TDataLinkEditor::FieldsChanged() {
    // A test result speaks of the fields it was made with; once one changes it says nothing.
    ++FFieldsEdition;
    // A running test keeps saying so; its result will not be shown.
    if (!FTestRunning) {
        TestResult_Txt->clear();
    }
}

void TDataLinkEditor::Provider_CboChange() {
    const TProviderUse use = UseOfProvider(ProviderName());
    // A test result speaks of the provider it was made with.
    FieldsChanged();
    DataSource_Lab->setText(DataSourceCaption(use));
    Browse_Btn->setHidden(!UsesDatabaseFile(use));
    FFields->setRowVisible(InitialCatalog_Edt, UsesInitialCatalog(use));
    FFields->setRowVisible(UserID_Edt, UsesLogin(use));
    FFields->setRowVisible(Password_Edt, UsesLogin(use));
    FFields->setRowVisible(ExtendedProperties_Edt, UsesExtendedProperties(use));
}

TConnectionProperties TDataLinkEditor::Properties() const {
    TConnectionProperties properties = FLoaded;
    const QString provider = ProviderName();
    const TProviderUse use = UseOfProvider(provider);
    // A field the provider does not read keeps the file's value; a used field is written when it
    // holds text or was in the file already, so a new link carries no empty keys.
    const auto take = [&properties](const QString& key, const QString& text, bool used) {
        if (used && (!text.isEmpty() || properties.Has(ToEngineText(key)))) {
            properties.Set(ToEngineText(key), ToEngineText(text));
        }
    };
    take(ProviderKey, provider, true);
    take(DataSourceKey, DataSource_Edt->text(), true);
    take(InitialCatalogKey, InitialCatalog_Edt->text(), UsesInitialCatalog(use));
    take(UserIdKey, UserID_Edt->text(), UsesLogin(use));
    take(PasswordKey, Password_Edt->text(), UsesLogin(use));
    take(ExtendedPropertiesKey, ExtendedProperties_Edt->text(), UsesExtendedProperties(use));
    return properties;
}

bool TDataLinkEditor::NamesNoDatabase() const {
    const TProviderUse use = UseOfProvider(ProviderName());
    const bool noDataSource = DataSource_Edt->text().trimmed().isEmpty();
    // An ODBC link may name its database in the connection string alone.
    if (UsesExtendedProperties(use)) {
        return noDataSource && ExtendedProperties_Edt->text().trimmed().isEmpty();
    }
    return noDataSource;
}

bool TDataLinkEditor::Save() {
    if (NamesNoDatabase()) {
        const auto answer = QMessageBox::question(
            this, windowTitle(),
            QStringLiteral("This data link names no database: its Data Source is empty.\n"
                           "Save it anyway?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            return false;
        }
    }
    QString target = FPath;
    if (target.isEmpty()) {
        target =
            QFileDialog::getSaveFileName(this, QStringLiteral("Save Data Link File"), FProposedPath,
                                         QStringLiteral("Data Link File(*.udl)"));
        if (target.isEmpty()) {
            return false;
        }
        if (QFileInfo(target).suffix().isEmpty()) {
            target += QStringLiteral(".udl");
        }
    }
    try {
        WriteDataLinkFile(ToEnginePath(target), Properties());
    } catch (const std::exception& error) {
        QMessageBox::critical(this, windowTitle(), FromEngineText(error.what()));
        return false;
    }
    FPath = target;
    UpdateTitle();
    return true;
}

void TDataLinkEditor::StartTestConnection() {
    if (TestRunning()) {
        return;
    }
    TConnectionProperties properties = Properties();
    const QString dataSource = DataSource_Edt->text();
    // A run reads a relative database path from the data-link file's folder; the test must open
    // the same file, whatever the current directory of the program is.
    if (UseOfProvider(ProviderName()) == TProviderUse::DatabaseFile && !dataSource.isEmpty() &&
        QFileInfo(dataSource).isRelative() && !DataLinkFolder().isEmpty()) {
        properties.Set(ToEngineText(DataSourceKey),
                       ToEnginePath(QDir::cleanPath(QDir(DataLinkFolder()).filePath(dataSource))));
    }

    FTestRunning = true;
    FTestedEdition = FFieldsEdition;
    TestConnection_Btn->setEnabled(false);
    TestBusy_Bar->show();
    // The pointer with the hourglass: the window still answers while the test runs.
    setCursor(Qt::BusyCursor);
    ShowTestResult(QStringLiteral("Testing the connection..."));
    FTest->setFuture(QtConcurrent::run(RunConnectionTest, FormatConnectionProperties(properties),
                                       Password_Edt->text()));
}

bool TDataLinkEditor::TestRunning() const {
    return FTestRunning;
}

void TDataLinkEditor::TestEnded() {
    const QString result = FTest->result();
    FTestRunning = false;
    TestBusy_Bar->hide();
    unsetCursor();
    TestConnection_Btn->setEnabled(true);
    if (FTestedEdition == FFieldsEdition) {
        ShowTestResult(result);
    } else {
        TestResult_Txt->clear();
    }
    emit TestConnectionFinished(result);
}

void TDataLinkEditor::ShowTestResult(const QString& text) {
    // Shown without FieldsChanged: the text area is not one of the fields.
    TestResult_Txt->setPlainText(text);
}

QString TDataLinkEditor::TestConnection() {
    StartTestConnection();
    QString result;
    QEventLoop loop;
    connect(this, &TDataLinkEditor::TestConnectionFinished, &loop,
            [&result, &loop](const QString& text) {
                result = text;
                loop.quit();
            });
    // A window closed and deleted meanwhile reports nothing; the wait ends with it.
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (TestRunning()) {
        loop.exec();
    }
    return result;
}

void TDataLinkEditor::TestConnection_BtnClick() {
    StartTestConnection();
}

void TDataLinkEditor::Browse_BtnClick() {
    const QString folder = DataLinkFolder();
    QString start = DataSource_Edt->text();
    if (!start.isEmpty() && QFileInfo(start).isRelative() && !folder.isEmpty()) {
        start = QDir(folder).filePath(start);
    } else if (start.isEmpty()) {
        start = folder;
    }
    const QString chosen = QFileDialog::getOpenFileName(
        this, QStringLiteral("Select Database File"), start, FileFilterOfProvider(ProviderName()));
    if (chosen.isEmpty()) {
        return;
    }
    // A database beside the data-link file is kept relative, so that the two can be moved
    // together, as the example project's database.udl is.
    if (!folder.isEmpty()) {
        const QString relative = QDir(folder).relativeFilePath(chosen);
        if (relative != QLatin1String("..") && !relative.startsWith(QLatin1String("../"))) {
            DataSource_Edt->setText(relative);
            return;
        }
    }
    DataSource_Edt->setText(chosen);
}

void TDataLinkEditor::accept() {
    if (Save()) {
        QDialog::accept();
    }
}

} // namespace quorvane::ui
