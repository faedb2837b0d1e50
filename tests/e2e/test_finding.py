"""Finding and reading as a storekeeper does with the keyboard: browsing a
unit's products with the arrow keys in the movements window, searching a
printout's preview with Enter."""
import pytest

from harness import desktop, flows
from harness.steps import expect_equal
from test_report import open_report

PRODUCTS = [("CAIET A4", "BUC", "10", "2", "MAGAZIE"),
            ("CAIET A5", "BUC", "4", "1", "MAGAZIE"),
            ("CRETA", "CUT", "5", "3", "MAGAZIE")]


def test_browse_the_units_products_with_the_arrow_keys(program, steps):
    program.start()
    flows.unlock(program)
    with steps("receive three products"):
        flows.receive_goods(program, "FURNIZOR", PRODUCTS)
    with steps("open the movements window"):
        window = flows.open_from_toolbar(program, "Fise.Miscari", "MISCARI")
        box = program.field(window, "PRODUSUL")

    def shown(product):
        desktop.wait_for(lambda: desktop.text_of(program.field(window, "PRODUSUL")) == product
                         and desktop.find_all(window, role="label", name="PRODUSUL : " + product),
                         f"the card of {product}")

    with steps("a prefix, then Down completes it and shows its card"):
        desktop.click(box)
        desktop.type_text("CA")
        desktop.keys("Down")
        shown("CAIET A4")
    with steps("Down steps to the next product, Up back"):
        desktop.keys("Down")
        shown("CAIET A5")
        desktop.keys("Down")
        shown("CRETA")
        desktop.keys("Up")
        shown("CAIET A5")
    with steps("Esc closes the window"):
        flows.close_with_escape(program, window)


def test_search_the_preview_with_enter(program, steps):
    program.start()
    flows.unlock(program)
    with steps("receive three products, preview the inventory"):
        flows.receive_goods(program, "FURNIZOR", PRODUCTS)
        window = open_report(program, "Inventar")
        program.press(window, "LISTEAZA")
        preview = program.window(contains="Vizualizare :", timeout=20)
    with steps("Enter right after opening leaves the preview open"):
        desktop.keys("Return")
        flows.settle(0.5)
        expect_equal(desktop.is_showing(preview), True, "the preview showing after Enter")
    with steps("a text and Enter in the search box list its page"):
        desktop.click(program.control(preview, name="Search Results", role="page tab"))
        program.fill(preview, "Search Text", "CRETA")
        desktop.keys("Return")
        desktop.wait_for(lambda: program.control(preview, name="Pag. 1", role="list item"),
                         "the page found listed")
        expect_equal(desktop.is_showing(preview), True, "the preview showing after searching")
    with steps("Inchide closes it"):
        program.press(preview, "Inchide")
        program.gone(preview)
