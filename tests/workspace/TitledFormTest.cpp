#include <gtest/gtest.h>

#include "workspace/ULanguage.h"
#include "workspace/UNew_Project.h"
#include "workspace/UOpenConf.h"
#include "workspace/UParGen.h"
#include "workspace/USoftOptions.h"

namespace {

// A window class built on one of the family's windows that relabels more of it: its own
// Set_Lang must run when the window is made, which a call from a constructor never reaches.
template <class TWindow> class TRelabelled : public TWindow {
public:
    using TWindow::TWindow;
    int relabels = 0;
    std::string captionSeen;
    void Set_Lang() override
    {
        TWindow::Set_Lang();
        ++relabels;
        captionSeen = this->Caption();
    }
};

template <class TWindow> class TitledForm : public testing::Test {
};
using Windows = testing::Types<TFNew_Project, TFOpenConf, TFParGen, TFSoftOptions>;
TYPED_TEST_SUITE(TitledForm, Windows);

TYPED_TEST(TitledForm, TheTextsAreSetOnceThroughTheMostDerivedSet_Lang)
{
    Load_Default_Texts();
    TComponent owner(nullptr);
    auto* form = new TRelabelled<TypeParam>(&owner);
    EXPECT_EQ(form->relabels, 0) << "nothing is labelled while the window is being built";
    form->AfterConstruction();
    EXPECT_EQ(form->relabels, 1);
    EXPECT_FALSE(form->captionSeen.empty());
}

} // namespace
