-- ===========================================================================
--  orders.sql - sample database for Quorvane
-- ===========================================================================
--
--  A small order-entry business: clients grouped into sales regions, the
--  employees who take their orders, suppliers and product categories, the
--  product catalogue, orders with their order lines ("Order Details"), and
--  the payments, shipments and invoices that follow an order, plus a
--  key/value Settings table.  Two views (OrderTotals, ClientOrders) join
--  these tables the way a client application would show them.
--
--  The build runs this script through sqlite3_exec on an empty file,
--  build/examples/orders.sqlite, which orders.udl points at.
--
--  Besides being a believable schema, the sample is meant to exercise every
--  field kind the generator knows, so the declared column types below are
--  chosen on purpose (the generator maps the declared type name to a field
--  kind, so the names are written exactly as listed):
--
--    INTEGER PRIMARY KEY  auto-increment key (SQLite rowid alias), e.g.
--                         Orders.OrderID, Sales_Client.ClientID
--    INTEGER, SMALLINT,   integer fields of several widths
--    TINYINT, BIGINT
--    VARCHAR(n)           text, both short (n <= 50, e.g. VARCHAR(40)) and
--                         long (n > 50, e.g. VARCHAR(80)) so both edit-width
--                         branches are taken
--    NVARCHAR(n)          wide (Unicode) text
--    CHAR(n), NCHAR(n)    fixed-length text (codes, card digits, country)
--    TEXT, MEMO           memo fields
--    BOOLEAN              logical fields (stored as 0/1)
--    DATE, TIME,          date, time and date-time fields (stored as
--    DATETIME, TIMESTAMP  ISO-8601 text)
--    DECIMAL(19,4)        currency-like fixed-point amounts
--    MONEY                currency
--    NUMERIC(9,0)         small-precision, integer-like number
--    REAL, DOUBLE         floating-point numbers
--    BLOB                 binary data (photos, pictures, documents); the
--                         rows hold NULL or a tiny X'...' literal
--    GUID,                globally unique identifiers
--    UNIQUEIDENTIFIER
--
--  Naming features that the generator has to cope with:
--    * a table name holding a blank:       "Order Details"
--    * table names with a prefix:          Sales_Client, Sales_Region
--    * foreign-key fields ending in ID:    ClientID, ProductID, OrderID, ...
--      (all declared with REFERENCES)
--    * field names containing Code:        PostalCode, RegionCode, ...
--    * PascalCase column names throughout
--
--  The view columns are plain column references (no expressions), so every
--  view column takes its declared type from the underlying table column.
-- ===========================================================================

PRAGMA foreign_keys = ON;

CREATE TABLE Sales_Region (
    RegionID        INTEGER PRIMARY KEY,
    RegionCode      CHAR(3)       NOT NULL UNIQUE,
    RegionName      VARCHAR(40)   NOT NULL,
    Description     TEXT
);

CREATE TABLE Sales_Client (
    ClientID        INTEGER PRIMARY KEY,
    ClientName      VARCHAR(40)   NOT NULL,
    ContactName     NVARCHAR(60),
    Address         VARCHAR(80),
    City            VARCHAR(30),
    PostalCode      VARCHAR(10),
    CountryCode     NCHAR(2),
    Phone           VARCHAR(24),
    RegionID        INTEGER       REFERENCES Sales_Region (RegionID),
    CreditLimit     MONEY,
    IsActive        BOOLEAN       NOT NULL DEFAULT 1,
    ClientSince     DATE,
    Notes           TEXT
);

CREATE TABLE Employees (
    EmployeeID      INTEGER PRIMARY KEY,
    LastName        VARCHAR(30)   NOT NULL,
    FirstName       VARCHAR(20)   NOT NULL,
    Title           VARCHAR(60),
    BirthDate       DATE,
    HireDate        DATE,
    ReportsToID     INTEGER       REFERENCES Employees (EmployeeID),
    Extension       SMALLINT,
    Photo           BLOB,
    Remarks         MEMO
);

CREATE TABLE Suppliers (
    SupplierID      INTEGER PRIMARY KEY,
    CompanyName     NVARCHAR(40)  NOT NULL,
    ContactName     VARCHAR(30),
    Address         VARCHAR(80),
    City            VARCHAR(30),
    PostalCode      VARCHAR(10),
    CountryCode     NCHAR(2),
    HomePage        TEXT
);

CREATE TABLE Categories (
    CategoryID      INTEGER PRIMARY KEY,
    CategoryName    VARCHAR(15)   NOT NULL,
    Description     TEXT,
    SortOrder       TINYINT
);

CREATE TABLE Products (
    ProductID       INTEGER PRIMARY KEY,
    ProductName     VARCHAR(40)   NOT NULL,
    SupplierID      INTEGER       REFERENCES Suppliers (SupplierID),
    CategoryID      INTEGER       REFERENCES Categories (CategoryID),
    QuantityPerUnit VARCHAR(20),
    UnitPrice       DECIMAL(19,4) NOT NULL DEFAULT 0,
    UnitsInStock    SMALLINT,
    ReorderLevel    SMALLINT,
    Discontinued    BOOLEAN       NOT NULL DEFAULT 0,
    WeightKg        REAL,
    BarCode         CHAR(13),
    Picture         BLOB
);

CREATE TABLE Orders (
    OrderID         INTEGER PRIMARY KEY,
    ClientID        INTEGER       NOT NULL REFERENCES Sales_Client (ClientID),
    EmployeeID      INTEGER       REFERENCES Employees (EmployeeID),
    OrderDate       DATE          NOT NULL,
    OrderTime       TIME,
    RequiredDate    DATE,
    Freight         DECIMAL(19,4),
    ShipName        VARCHAR(40),
    ShipAddress     VARCHAR(80),
    ShipCity        VARCHAR(30),
    ShipPostalCode  VARCHAR(10),
    OrderGuid       GUID,
    CreatedAt       DATETIME,
    Comments        TEXT
);

CREATE TABLE "Order Details" (
    OrderID         INTEGER       NOT NULL REFERENCES Orders (OrderID),
    ProductID       INTEGER       NOT NULL REFERENCES Products (ProductID),
    UnitPrice       DECIMAL(19,4) NOT NULL,
    Quantity        SMALLINT      NOT NULL DEFAULT 1,
    Discount        REAL          NOT NULL DEFAULT 0,
    PRIMARY KEY (OrderID, ProductID)
);

CREATE TABLE Payments (
    PaymentID       INTEGER PRIMARY KEY,
    OrderID         INTEGER       NOT NULL REFERENCES Orders (OrderID),
    PaidAt          DATETIME      NOT NULL,
    Amount          DECIMAL(19,4) NOT NULL,
    PaymentMethod   VARCHAR(20),
    CardLastDigits  CHAR(4),
    TransactionRef  UNIQUEIDENTIFIER,
    BankReference   BIGINT
);

CREATE TABLE Shipments (
    ShipmentID      INTEGER PRIMARY KEY,
    OrderID         INTEGER       NOT NULL REFERENCES Orders (OrderID),
    CarrierName     VARCHAR(40),
    ShippedDate     DATE,
    ShippedTime     TIME,
    TrackingCode    VARCHAR(30),
    GrossWeightKg   DOUBLE,
    Delivered       BOOLEAN       NOT NULL DEFAULT 0,
    DeliveredAt     TIMESTAMP
);

CREATE TABLE Invoices (
    InvoiceID       INTEGER PRIMARY KEY,
    OrderID         INTEGER       NOT NULL REFERENCES Orders (OrderID),
    InvoiceNumber   NUMERIC(9,0)  NOT NULL UNIQUE,
    InvoiceDate     DATE          NOT NULL,
    DueDate         DATE,
    TotalAmount     DECIMAL(19,4) NOT NULL,
    TaxRate         REAL,
    IsPaid          BOOLEAN       NOT NULL DEFAULT 0,
    PdfDocument     BLOB
);

CREATE TABLE Settings (
    SettingKey      VARCHAR(40)   PRIMARY KEY,
    SettingValue    NVARCHAR(120),
    ValueKind       CHAR(1),
    Counter         BIGINT,
    ModifiedAt      DATETIME
);

CREATE VIEW OrderTotals AS
SELECT o.OrderID,
       o.OrderDate,
       c.ClientName,
       i.InvoiceNumber,
       i.InvoiceDate,
       i.TotalAmount,
       i.IsPaid
  FROM Orders o
  JOIN Sales_Client c ON c.ClientID = o.ClientID
  LEFT JOIN Invoices i ON i.OrderID = o.OrderID;

CREATE VIEW ClientOrders AS
SELECT c.ClientID,
       c.ClientName,
       c.City,
       r.RegionName,
       o.OrderID,
       o.OrderDate,
       o.RequiredDate,
       o.Freight,
       e.LastName
  FROM Sales_Client c
  JOIN Orders o ON o.ClientID = c.ClientID
  LEFT JOIN Sales_Region r ON r.RegionID = c.RegionID
  LEFT JOIN Employees e ON e.EmployeeID = o.EmployeeID;

BEGIN;

INSERT INTO Sales_Region (RegionID, RegionCode, RegionName, Description) VALUES
  (1, 'NOR', 'North',   'Northern counties and the coast'),
  (2, 'SOU', 'South',   'Southern counties'),
  (3, 'EXP', 'Export',  'Clients outside the home market');

INSERT INTO Sales_Client (ClientID, ClientName, ContactName, Address, City, PostalCode,
                          CountryCode, Phone, RegionID, CreditLimit, IsActive, ClientSince, Notes) VALUES
  (1, 'Harbour Provisions Ltd', 'Margaret Ellis',  '12 Quay Street',          'Whitby',    'YO21 1DH', 'GB', '01947 600123', 1, 15000.00, 1, '2016-03-01', 'Pays by bank transfer.'),
  (2, 'Greenfield Grocers',     'Tom Barker',      '4 Market Place',          'Ripon',     'HG4 1BP',  'GB', '01765 600456', 1,  5000.00, 1, '2019-07-15', NULL),
  (3, 'Southdown Deli',         'Priya Shah',      '88 High Street',          'Lewes',     'BN7 1XH',  'GB', '01273 400789', 2,  8000.00, 1, '2020-01-10', 'Deliver before 10:00.'),
  (4, 'Café Lumière',           'Amélie Girard',   '5 rue des Halles',        'Lyon',      '69002',    'FR', '+33 4 78 00 11 22', 3, 12000.00, 1, '2021-05-20', 'Invoices in EUR.'),
  (5, 'Old Mill Bakery',        'George Whitaker', 'The Old Mill, Mill Lane', 'Petworth',  'GU28 0AB', 'GB', '01798 300321', 2,  2500.00, 0, '2015-11-02', 'Closed for renovation.'),
  (6, 'Nordkap Handel AS',      'Ingrid Haugen',   'Storgata 21',             'Tromsø',    '9008',     'NO', '+47 77 60 50 40', 3, 20000.00, 1, '2022-09-01', NULL);

INSERT INTO Employees (EmployeeID, LastName, FirstName, Title, BirthDate, HireDate,
                       ReportsToID, Extension, Photo, Remarks) VALUES
  (1, 'Carter',   'Helen',  'Sales Manager',            '1975-04-12', '2010-02-01', NULL, 201, X'89504E470D0A1A0A', 'Heads the sales team.'),
  (2, 'Osei',     'Daniel', 'Sales Representative',     '1988-09-30', '2015-06-15', 1,    214, NULL, NULL),
  (3, 'Lindqvist','Sara',   'Export Sales Representative','1991-01-22', '2019-03-04', 1,  215, NULL, 'Speaks French and Norwegian.'),
  (4, 'Mendes',   'Paulo',  'Warehouse Coordinator',    '1983-11-05', '2012-10-01', NULL, 230, NULL, NULL);

INSERT INTO Suppliers (SupplierID, CompanyName, ContactName, Address, City, PostalCode, CountryCode, HomePage) VALUES
  (1, 'Dales Dairy Co-operative', 'Alan Pike',     'Hawes Road',            'Hawes',     'DL8 3QX', 'GB', 'https://dalesdairy.example'),
  (2, 'Moulin de Provence',       'Luc Fabre',     '14 chemin du Moulin',   'Avignon',   '84000',   'FR', NULL),
  (3, 'Fjord Seafood',            'Kari Nilsen',   'Bryggen 3',             'Bergen',    '5003',    'NO', 'https://fjordseafood.example'),
  (4, 'Kent Orchard Growers',     'Ruth Gibbons',  'Orchard Farm',          'Faversham', 'ME13 8XZ','GB', NULL);

INSERT INTO Categories (CategoryID, CategoryName, Description, SortOrder) VALUES
  (1, 'Dairy',     'Cheeses, butter and cream', 1),
  (2, 'Bakery',    'Flour, breads and pastries', 2),
  (3, 'Seafood',   'Smoked and cured fish', 3),
  (4, 'Produce',   'Fruit, juices and preserves', 4);

INSERT INTO Products (ProductID, ProductName, SupplierID, CategoryID, QuantityPerUnit, UnitPrice,
                      UnitsInStock, ReorderLevel, Discontinued, WeightKg, BarCode, Picture) VALUES
  (1, 'Wensleydale Cheese',      1, 1, '12 x 500 g',    54.0000, 40, 10, 0, 6.0,  '5012345000017', X'FFD8FFE0'),
  (2, 'Salted Farm Butter',      1, 1, '24 x 250 g',    38.4000, 60, 20, 0, 6.0,  '5012345000024', NULL),
  (3, 'Stone-ground Flour',      2, 2, '10 x 1 kg',     17.5000, 120, 30, 0, 10.0, '3012345000031', NULL),
  (4, 'Lavender Honey',          2, 4, '12 x 340 g',    45.6000, 25, 10, 0, 4.1,  '3012345000048', NULL),
  (5, 'Smoked Salmon',           3, 3, '10 x 200 g',    89.9000, 18, 5,  0, 2.0,  '7012345000055', NULL),
  (6, 'Pickled Herring',         3, 3, '12 x 400 g jars',31.2000, 0, 10, 1, 4.8,  '7012345000062', NULL),
  (7, 'Cox Apple Juice',         4, 4, '6 x 1 l',       14.9400, 80, 24, 0, 6.6,  '5012345000079', NULL),
  (8, 'Damson Jam',              4, 4, '12 x 340 g',    27.0000, 35, 12, 0, 4.1,  '5012345000086', NULL);

INSERT INTO Orders (OrderID, ClientID, EmployeeID, OrderDate, OrderTime, RequiredDate, Freight,
                    ShipName, ShipAddress, ShipCity, ShipPostalCode, OrderGuid, CreatedAt, Comments) VALUES
  (1, 1, 2, '2024-03-04', '09:15:00', '2024-03-11', 12.5000, 'Harbour Provisions Ltd', '12 Quay Street',   'Whitby',  'YO21 1DH', '{3F2504E0-4F89-11D3-9A0C-0305E82C3301}', '2024-03-04 09:15:27', NULL),
  (2, 3, 2, '2024-03-05', '14:02:00', '2024-03-08', 9.7500,  'Southdown Deli',         '88 High Street',   'Lewes',   'BN7 1XH',  '{7C9E6679-7425-40DE-944B-E07FC1F90AE7}', '2024-03-05 14:02:11', 'Urgent: weekend market.'),
  (3, 4, 3, '2024-03-06', '11:40:00', '2024-03-20', 48.0000, 'Café Lumière',           '5 rue des Halles', 'Lyon',    '69002',    '{16FD2706-8BAF-433B-82EB-8C7FADA847DA}', '2024-03-06 11:40:53', 'Ship via Dover.'),
  (4, 2, 2, '2024-03-08', '16:30:00', '2024-03-15', 7.2000,  'Greenfield Grocers',     '4 Market Place',   'Ripon',   'HG4 1BP',  '{886313E1-3B8A-5372-9B90-0C9AEE199E5D}', '2024-03-08 16:30:05', NULL),
  (5, 6, 3, '2024-03-11', '08:05:00', '2024-03-29', 65.0000, 'Nordkap Handel AS',      'Storgata 21',      'Tromsø',  '9008',     '{A8098C1A-F86E-11DA-BD1A-00112444BE1E}', '2024-03-11 08:05:42', 'Customs papers attached.'),
  (6, 1, 1, '2024-03-12', '10:20:00', NULL,         0.0000,  'Harbour Provisions Ltd', '12 Quay Street',   'Whitby',  'YO21 1DH', '{E902893A-9D22-3C7E-A7B8-D6E313B71D9F}', '2024-03-12 10:20:00', 'Collected by client.');

INSERT INTO "Order Details" (OrderID, ProductID, UnitPrice, Quantity, Discount) VALUES
  (1, 1, 54.0000, 2, 0.0),
  (1, 5, 89.9000, 1, 0.0),
  (2, 3, 17.5000, 4, 0.05),
  (2, 8, 27.0000, 1, 0.0),
  (3, 1, 54.0000, 3, 0.1),
  (3, 4, 45.6000, 2, 0.1),
  (4, 7, 14.9400, 5, 0.0),
  (5, 5, 89.9000, 4, 0.15),
  (6, 2, 38.4000, 1, 0.0);

INSERT INTO Payments (PaymentID, OrderID, PaidAt, Amount, PaymentMethod, CardLastDigits, TransactionRef, BankReference) VALUES
  (1, 1, '2024-03-18 10:02:00', 210.4000, 'Bank transfer', NULL,   '0F8FAD5B-D9CB-469F-A165-70867728950E', 202403180001),
  (2, 2, '2024-03-05 14:10:00', 103.2500, 'Card',          '4242', '7C3B9E21-5A4D-4F0B-9E2C-1D6A8B7F3E10', NULL),
  (3, 3, '2024-04-02 09:30:00', 275.8800, 'Bank transfer', NULL,   'C56A4180-65AA-42EC-A945-5FD21DEC0538', 202404020017),
  (4, 6, '2024-03-12 10:25:00',  38.4000, 'Cash',          NULL,   NULL, NULL);

INSERT INTO Shipments (ShipmentID, OrderID, CarrierName, ShippedDate, ShippedTime, TrackingCode, GrossWeightKg, Delivered, DeliveredAt) VALUES
  (1, 1, 'Northern Parcels',   '2024-03-06', '07:45:00', 'NP-2024-00311',  8.35, 1, '2024-03-07 11:20:00'),
  (2, 2, 'Southern Couriers',  '2024-03-06', '06:30:00', 'SC-778120',      6.90, 1, '2024-03-06 15:05:00'),
  (3, 3, 'EuroFreight',        '2024-03-12', '13:00:00', 'EF-FR-5521-09', 11.75, 1, '2024-03-15 09:40:00'),
  (4, 4, 'Northern Parcels',   '2024-03-11', '08:10:00', 'NP-2024-00358',  7.10, 0, NULL),
  (5, 5, 'NordLine Shipping',  '2024-03-18', '10:00:00', 'NL-TOS-10442',   9.40, 0, NULL);

INSERT INTO Invoices (InvoiceID, OrderID, InvoiceNumber, InvoiceDate, DueDate, TotalAmount, TaxRate, IsPaid, PdfDocument) VALUES
  (1, 1, 240301, '2024-03-04', '2024-04-03', 210.4000, 0.0,  1, X'255044462D312E34'),
  (2, 2, 240302, '2024-03-05', '2024-03-05', 103.2500, 0.0,  1, NULL),
  (3, 3, 240303, '2024-03-06', '2024-04-05', 275.8800, 0.0,  1, NULL),
  (4, 4, 240304, '2024-03-08', '2024-04-07',  81.9000, 0.0,  0, NULL),
  (5, 5, 240305, '2024-03-11', '2024-04-10', 370.6600, 0.0,  0, NULL),
  (6, 6, 240306, '2024-03-12', '2024-03-12',  38.4000, 0.0,  1, NULL);

INSERT INTO Settings (SettingKey, SettingValue, ValueKind, Counter, ModifiedAt) VALUES
  ('CompanyName',      'Dale & Coast Wholesale Foods', 'S', NULL,   '2024-01-02 08:00:00'),
  ('DefaultCurrency',  'GBP',                          'S', NULL,   '2024-01-02 08:00:00'),
  ('DefaultTaxRate',   '0.20',                         'N', NULL,   '2024-01-02 08:00:00'),
  ('NextInvoiceNumber','240307',                       'N', 240307, '2024-03-12 10:20:00'),
  ('ShowDiscontinued', 'False',                        'B', NULL,   '2024-02-14 17:45:00');

COMMIT;
