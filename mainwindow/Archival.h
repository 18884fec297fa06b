#pragma once
// Archiving the data folder into one ZIP file (command aArchival).
class QWidget;

// Asks for the archive's name ("Adatbázis mentése", proposing
// Archiv/yyyymmdd.zip under the data root), takes a consistent copy of the
// database, closes the connection regiszter for good (the program must be
// restarted, as the closing message says) and writes the copy and every other
// file of the data folder into the archive. Errors are shown in the error
// box; when not even the copy could be taken (another workstation locked the
// database too long) the connection stays open.
void AdatbazisArchival(QWidget *owner);
