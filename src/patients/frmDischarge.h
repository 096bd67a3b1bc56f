#pragma once
// Discharging an in-patient: the front desk picks the patient by name from those still admitted,
// types the prescription, disease and health details, sets the discharge date (today or
// earlier) and presses OK. The patient's row gets the details, the date and "Yes" in Discharged,
// and the form closes.
//
//   ShowForm<frmDischarge>();
//
// Only admitted patients (Discharged exactly "No") are listed, and only they can be written:
// each list entry keeps its own identifier, so two admitted patients of one name are told apart
// by the entry chosen, and a discharged patient's details are never written over.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>

#include "framework/imagebutton.h"
#include "framework/menuform.h"
#include "platform/ado.h"

class frmDischarge : public MenuForm {
  Q_OBJECT
public:
  frmDischarge();
  ~frmDischarge() override;

  QComboBox cmbPatientName{this};   // names of the admitted patients; each item keeps its identifier
  QLineEdit txtPatientID{this};     // the chosen patient's identifier; shown, not typed
  QPlainTextEdit txtPrescription{this};
  QPlainTextEdit txtDisease{this};
  QPlainTextEdit txtHealth{this};
  QDateEdit DTPicker1{this};        // the discharge date, never after today
  ImageButton Picture1{this, QStringLiteral("Picture1")};    // OK
  ImageButton Picture2{this, QStringLiteral("Picture2")};    // Cancel
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help
  QLabel Label1{this}, Label2{this}, Label4{this}, Label5{this}, Label6{this};  // the captions
  QLabel Label3{this};               // hover holder, hidden

  // The in-patient rows as they were when the form opened.
  std::unique_ptr<Recordset> MainRecordset;

  void cmbPatientName_Click();  // the identifier look-up (also on every change of the text)
  void Picture1_Click();        // OK
  void Picture2_Click();        // Cancel

protected:
  void PrepareControls() override;
  std::vector<MenuPicture> MenuPictures() override;
  void LoadMenuForm() override;
  void ShockwaveFlash2_GotFocus() override { Picture2_Click(); }

private:
  void DTPicker1_Change();
  void refuse(const QString& text, QWidget* focus);
};
