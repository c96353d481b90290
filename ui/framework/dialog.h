#pragma once
// A dialog built from a dialog template and run modally.

#include "wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    // Without a parent the application's main window owns the dialog.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the dialog, centred, disables its owner and runs the modal
    // loop until OK, Escape or the close box ends it; gives the result
    // passed to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();

    // Ends the modal loop with `result`.
    void EndDialog(int result);

    // Runs data exchange: from the members into the controls, or with
    // `saveAndValidate` back from the controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

protected:
    // Called once the controls exist; runs data exchange into them.
    // Returning TRUE gives the focus to the first tab stop.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

    const MessageMap* GetMessageMap() const override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    HWND ModalOwner() const;
    void RunModalLoop();
    void DestroyAfterModalLoop(HWND owner, bool enableOwner);

    UINT m_templateId;
    CWnd* m_pParentWnd;
    INT_PTR m_modalResult = -1;
    bool m_modalEnded = false;
};
