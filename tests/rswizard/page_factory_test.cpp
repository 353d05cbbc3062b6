#include <gtest/gtest.h>

#include "description/wizard_description.h"
#include "host/wizard_app.h"
#include "rswizard/codec_type_page.h"
#include "rswizard/generated_files_page.h"
#include "rswizard/parameter_page.h"
#include "rswizard/rs_pages.h"
#include "symbol/symbol_model.h"

namespace {

TEST(PageFactoryTest, AddsTheThreePagesInTheirOrderWithThePreview) {
  description::WizardDescription description;
  const symbol::SymbolModel model(152);
  host::WizardApp app("RS CODEC - 1.00", nullptr, description);
  rswizard::AddRsPagesTo(app, description, &model);
  ASSERT_EQ(app.PageCount(), 3);
  EXPECT_NE(dynamic_cast<rswizard::CodecTypePage*>(app.Page(1)), nullptr);
  EXPECT_NE(dynamic_cast<rswizard::ParameterPage*>(app.Page(2)), nullptr);
  EXPECT_NE(dynamic_cast<rswizard::GeneratedFilesPage*>(app.Page(3)), nullptr);
  std::vector<int> templates;
  for (int i = 1; i <= 3; ++i) {
    templates.push_back(app.Page(i)->Template().number);
    const auto* preview = dynamic_cast<host::SymbolPreviewPage*>(app.Page(i));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->Model(), &model);
  }
  EXPECT_EQ(templates, (std::vector<int>{126, 124, 110}));
}

}  // namespace
