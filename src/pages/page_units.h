#pragma once

#include "pages/page_kind.h"

// One definition per page unit; the catalogue gathers them.
namespace ws {

PageDefinition form2Definition();   // column addition
PageDefinition form3Definition();   // column subtraction
PageDefinition form4Definition();   // column multiplication
PageDefinition form5Definition();   // division
PageDefinition form6Definition();   // number sense
PageDefinition form7Definition();   // number line
PageDefinition form8Definition();   // ordering
PageDefinition form9Definition();   // clock reading
PageDefinition form10Definition();  // number patterns
PageDefinition form11Definition();  // shape patterns
PageDefinition form12Definition();  // operation tables
PageDefinition form13Definition();  // shape additions with a missing number
PageDefinition form14Definition();  // shape subtractions with a missing number
PageDefinition form15Definition();  // shape sums
PageDefinition form16Definition();  // colouring operation tables
PageDefinition form17Definition();  // multiple operations
PageDefinition form18Definition();  // decimal column addition
PageDefinition form19Definition();  // decimal column subtraction

}  // namespace ws
