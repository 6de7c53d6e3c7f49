-- The accounts database. Text is UTF8; names people search by compare without regard to case.
-- Dates are day counts (INTEGER), money DECIMAL(18,4), eight-decimal amounts DECIMAL(18,8),
-- Booleans SMALLINT 0/1. Keys left out of an INSERT come from a generator and are returned
-- through RETURNING.

CREATE DOMAIN CURRENCY18P4 AS DECIMAL(18,4);
CREATE DOMAIN CURRENCY18P8 AS DECIMAL(18,8);
CREATE DOMAIN BOOL01 AS SMALLINT CHECK (VALUE IS NULL OR VALUE IN (0, 1));
CREATE DOMAIN DAYCOUNT AS INTEGER;
CREATE DOMAIN SEARCHTEXT AS VARCHAR(100) COLLATE UNICODE_CI;
-- A searched name in upper case, kept by the triggers below and compared by character code. The
-- collation's index narrows a prefix only to its base letters (a prefix is compared accent by
-- accent only after all its letters), so "Sø" would walk every "so..." name; on this key a
-- prefix in upper case is one plain range of the index, in the order the merged search compares.
CREATE DOMAIN SEARCHKEY AS VARCHAR(100) COLLATE UCS_BASIC;
CREATE DOMAIN SEARCHKEY200 AS VARCHAR(200) COLLATE UCS_BASIC;

CREATE TABLE account (
    id INTEGER NOT NULL PRIMARY KEY,
    name SEARCHTEXT,
    zipcode VARCHAR(20),
    country VARCHAR(60),
    phone VARCHAR(40) COLLATE UNICODE_CI,
    fax VARCHAR(40),
    website VARCHAR(200),
    code VARCHAR(20),
    sourceno INTEGER,
    street VARCHAR(100),
    street2 VARCHAR(100),
    city VARCHAR(60),
    state VARCHAR(60),
    deleted BOOL01 DEFAULT 0,
    name_key SEARCHKEY
);

CREATE TABLE contact (
    id INTEGER NOT NULL PRIMARY KEY,
    first_name SEARCHTEXT,
    last_name SEARCHTEXT,
    email VARCHAR(200) COLLATE UNICODE_CI,
    phone VARCHAR(40),
    sourceno SMALLINT,
    street VARCHAR(100),
    city VARCHAR(60),
    state VARCHAR(60),
    zipcode VARCHAR(20),
    id_account INTEGER,
    deleted BOOL01 DEFAULT 0,
    first_name_key SEARCHKEY,
    last_name_key SEARCHKEY,
    email_key SEARCHKEY200
);

CREATE TABLE plu (
    id INTEGER NOT NULL PRIMARY KEY,
    code VARCHAR(40),
    product VARCHAR(200),
    subtitle VARCHAR(200),
    description VARCHAR(2000),
    manufacturer VARCHAR(100),
    manufacturer_website VARCHAR(200),
    manufacturer_address VARCHAR(300),
    customer_email VARCHAR(200),
    unit_size_color VARCHAR(100),
    currency VARCHAR(10),
    country_of_origin VARCHAR(60),
    price CURRENCY18P4,
    link_url VARCHAR(300)
);

CREATE TABLE word_hdr (
    word VARCHAR(60) NOT NULL PRIMARY KEY,
    id INTEGER NOT NULL
);

CREATE TABLE word_lns (
    search SMALLINT NOT NULL,
    id INTEGER NOT NULL,
    id_record INTEGER NOT NULL,
    PRIMARY KEY (search, id, id_record)
);

CREATE TABLE operator (
    id INTEGER NOT NULL PRIMARY KEY,
    first_name VARCHAR(60),
    last_name VARCHAR(60),
    email VARCHAR(200),
    date_of_birth DAYCOUNT,
    deleted BOOL01 DEFAULT 0
);

CREATE TABLE job_hdr (
    id INTEGER NOT NULL PRIMARY KEY,
    account INTEGER,
    lineno_last SMALLINT
);

CREATE TABLE job_lns (
    job INTEGER NOT NULL,
    lineno SMALLINT NOT NULL,
    partno VARCHAR(40) COLLATE UNICODE_CI,
    description VARCHAR(200),
    notes VARCHAR(1000),
    qty INTEGER,
    line_total CURRENCY18P4,
    status SMALLINT,
    PRIMARY KEY (job, lineno)
);

CREATE TABLE cp_site (
    id INTEGER NOT NULL PRIMARY KEY,
    address1 VARCHAR(100),
    address2 VARCHAR(100),
    address3 VARCHAR(100),
    address4 VARCHAR(100),
    pics BIGINT
);

CREATE TABLE cp_unit (
    id INTEGER NOT NULL PRIMARY KEY,
    id_site INTEGER,
    name VARCHAR(60),
    account INTEGER,
    meter_connection1 SMALLINT,
    meter_connection2 SMALLINT,
    cpinvoice1 INTEGER,
    cpinvoice2 INTEGER,
    -- the site module reads the meter connections under these names
    meter1_connection COMPUTED BY (meter_connection1),
    meter2_connection COMPUTED BY (meter_connection2)
);

CREATE TABLE bill_item (
    id INTEGER NOT NULL PRIMARY KEY,
    code VARCHAR(20) COLLATE UNICODE_CI,
    description VARCHAR(200),
    supplier VARCHAR(100),
    group1 VARCHAR(60),
    price CURRENCY18P8,
    denote_units_qty VARCHAR(20),
    denote_units_price VARCHAR(20),
    deleted BOOL01 DEFAULT 0
);

CREATE TABLE cp_unit_reading (
    id_unit INTEGER NOT NULL,
    bill_type SMALLINT NOT NULL,
    recno INTEGER NOT NULL,
    date_read DAYCOUNT,
    reading BIGINT,
    billed BOOL01 DEFAULT 0,
    PRIMARY KEY (id_unit, bill_type, recno)
);

CREATE TABLE cp_invoice (
    id INTEGER NOT NULL PRIMARY KEY,
    name VARCHAR(100),
    supplier VARCHAR(100),
    is_gst_inclusive BOOL01 DEFAULT 0
);

CREATE TABLE cp_invoice_billitem (
    id INTEGER NOT NULL,
    lineno SMALLINT NOT NULL,
    bill_item INTEGER,
    bill_qty_type SMALLINT,
    bill_qty_ratio CURRENCY18P8,
    PRIMARY KEY (id, lineno)
);

CREATE TABLE invoice (
    id INTEGER NOT NULL PRIMARY KEY,
    date1 DAYCOUNT,
    account INTEGER,
    total CURRENCY18P4,
    gst CURRENCY18P4
);

CREATE TABLE invoice_billitem (
    invoice INTEGER NOT NULL,
    lineno SMALLINT NOT NULL,
    bill_item INTEGER,
    line_total CURRENCY18P8,
    qty_units DOUBLE PRECISION,
    qty_price DOUBLE PRECISION,
    flags SMALLINT,
    PRIMARY KEY (invoice, lineno)
);

CREATE TABLE invoice_data (
    invoice INTEGER NOT NULL,
    lineno SMALLINT NOT NULL,
    rec_id INTEGER,
    rec_data VARCHAR(24) CHARACTER SET OCTETS,
    PRIMARY KEY (invoice, lineno)
);

CREATE TABLE cp_bill_line (
    id_unit INTEGER NOT NULL,
    bill_type SMALLINT NOT NULL,
    bill_lineno SMALLINT NOT NULL,
    bill_qty_type SMALLINT,
    bill_qty_ratio CURRENCY18P8,
    bill_item INTEGER,
    PRIMARY KEY (id_unit, bill_type, bill_lineno)
);

-- Prefix searches of the search pages.
CREATE INDEX ix_account_name ON account (name);
CREATE INDEX ix_account_phone ON account (phone);
CREATE INDEX ix_contact_first_name ON contact (first_name);
CREATE INDEX ix_contact_last_name ON contact (last_name);
CREATE INDEX ix_contact_email ON contact (email);
CREATE INDEX ix_contact_account ON contact (id_account);
CREATE INDEX ix_account_name_key ON account (name_key, id);
CREATE INDEX ix_contact_first_name_key ON contact (first_name_key, id);
CREATE INDEX ix_contact_last_name_key ON contact (last_name_key, id);
CREATE INDEX ix_contact_email_key ON contact (email_key, id);
CREATE INDEX ix_bill_item_code ON bill_item (code);
CREATE INDEX ix_job_lns_partno ON job_lns (partno);
CREATE INDEX ix_job_hdr_account ON job_hdr (account);
CREATE INDEX ix_cp_unit_site ON cp_unit (id_site);
CREATE INDEX ix_plu_code ON plu (code);

CREATE SEQUENCE gn_account;
CREATE SEQUENCE gn_contact;
CREATE SEQUENCE gn_operator;
CREATE SEQUENCE gn_cp_site;
CREATE SEQUENCE gn_cp_unit;
CREATE SEQUENCE gn_bill_item;
CREATE SEQUENCE gn_cp_invoice;
CREATE SEQUENCE gn_invoice;
CREATE SEQUENCE gn_cp_unit_reading;
CREATE SEQUENCE gn_plu;
CREATE SEQUENCE gn_job_hdr;
CREATE SEQUENCE gn_cpsite_pic;

SET TERM ^ ;
CREATE TRIGGER tr_account_key FOR account BEFORE INSERT AS
BEGIN IF (new.id IS NULL) THEN new.id = NEXT VALUE FOR gn_account; END^
CREATE TRIGGER tr_contact_key FOR contact BEFORE INSERT AS
BEGIN IF (new.id IS NULL) THEN new.id = NEXT VALUE FOR gn_contact; END^
CREATE TRIGGER tr_operator_key FOR operator BEFORE INSERT AS
BEGIN IF (new.id IS NULL) THEN new.id = NEXT VALUE FOR gn_operator; END^
CREATE TRIGGER tr_cp_site_key FOR cp_site BEFORE INSERT AS
BEGIN IF (new.id IS NULL) THEN new.id = NEXT VALUE FOR gn_cp_site; END^
CREATE TRIGGER tr_cp_unit_key FOR cp_unit BEFORE INSERT AS
BEGIN IF (new.id IS NULL) THEN new.id = NEXT VALUE FOR gn_cp_unit; END^
CREATE TRIGGER tr_bill_item_key FOR bill_item BEFORE INSERT AS
BEGIN IF (new.id IS NULL) THEN new.id = NEXT VALUE FOR gn_bill_item; END^
CREATE TRIGGER tr_cp_invoice_key FOR cp_invoice BEFORE INSERT AS
BEGIN IF (new.id IS NULL) THEN new.id = NEXT VALUE FOR gn_cp_invoice; END^
CREATE TRIGGER tr_invoice_key FOR invoice BEFORE INSERT AS
BEGIN IF (new.id IS NULL) THEN new.id = NEXT VALUE FOR gn_invoice; END^
CREATE TRIGGER tr_cp_unit_reading_key FOR cp_unit_reading BEFORE INSERT AS
BEGIN IF (new.recno IS NULL) THEN new.recno = NEXT VALUE FOR gn_cp_unit_reading; END^
CREATE TRIGGER tr_plu_key FOR plu BEFORE INSERT AS
BEGIN IF (new.id IS NULL) THEN new.id = NEXT VALUE FOR gn_plu; END^
CREATE TRIGGER tr_job_hdr_key FOR job_hdr BEFORE INSERT AS
BEGIN IF (new.id IS NULL) THEN new.id = NEXT VALUE FOR gn_job_hdr; END^
-- A template line inserted without its number is numbered one past the template's highest,
-- inside the insert, so two saves never take the same number.
CREATE TRIGGER tr_cp_invoice_billitem_lineno FOR cp_invoice_billitem BEFORE INSERT AS
BEGIN
  IF (new.lineno IS NULL) THEN
    new.lineno = (SELECT COALESCE(MAX(lineno), 0) + 1 FROM cp_invoice_billitem WHERE id = new.id);
END^
CREATE TRIGGER tr_account_search_key FOR account BEFORE INSERT OR UPDATE AS
BEGIN new.name_key = UPPER(new.name); END^
CREATE TRIGGER tr_contact_search_key FOR contact BEFORE INSERT OR UPDATE AS
BEGIN
  new.first_name_key = UPPER(new.first_name);
  new.last_name_key = UPPER(new.last_name);
  new.email_key = UPPER(new.email);
END^
SET TERM ; ^
