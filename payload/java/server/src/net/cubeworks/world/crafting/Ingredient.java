package net.cubeworks.world.crafting;

/** One item a recipe asks for: an id, and the damage value it must have (all, one, or one under a mask). */
final class Ingredient {
    final int id;
    /** The damage the item must have after the mask; ignored when mask is 0 (any damage). */
    final int data;
    final int mask;

    Ingredient(int id, int data, int mask) {
        this.id = id;
        this.data = data;
        this.mask = mask;
    }

    boolean matches(int itemId, int itemData) {
        return itemId == id && (itemData & mask) == (data & mask);
    }

    /**
     * Reads "id" (any damage), "id:d" (exactly d) or "id:d&m" (d under the mask m, as a log's
     * wood kind is its damage &amp; 3).
     */
    static Ingredient parse(String text) {
        int colon = text.indexOf(':');
        if (colon < 0) {
            return new Ingredient(RecipeBook.number(text), 0, 0);
        }
        int id = RecipeBook.number(text.substring(0, colon));
        String rest = text.substring(colon + 1);
        int amp = rest.indexOf('&');
        if (amp < 0) {
            return new Ingredient(id, RecipeBook.number(rest), 0xFFFF);
        }
        return new Ingredient(id, RecipeBook.number(rest.substring(0, amp)), RecipeBook.number(rest.substring(amp + 1)));
    }
}
