package org.bukkit.entity;

import org.bukkit.inventory.HorseInventory;
import org.bukkit.inventory.InventoryHolder;

public interface Horse extends Animals, Vehicle, InventoryHolder, Tameable {
    Horse.Color getColor();
    int getDomestication();
    HorseInventory getInventory();
    double getJumpStrength();
    int getMaxDomestication();
    Horse.Style getStyle();
    Horse.Variant getVariant();
    boolean isCarryingChest();
    void setCarryingChest(boolean value);
    void setColor(Horse.Color color);
    void setDomestication(int value);
    void setJumpStrength(double value);
    void setMaxDomestication(int value);
    void setStyle(Horse.Style style);
    void setVariant(Horse.Variant variant);

    /** The coat colour of a horse; mules, donkeys and the undead kinds ignore it. */
    enum Color {
        WHITE, CREAMY, CHESTNUT, BROWN, BLACK, GRAY, DARK_BROWN
    }

    /** The markings drawn over a horse's coat. */
    enum Style {
        NONE, WHITE, WHITEFIELD, WHITE_DOTS, BLACK_DOTS
    }

    /** The kind of horse, in the order the game numbers them. */
    enum Variant {
        HORSE, DONKEY, MULE, UNDEAD_HORSE, SKELETON_HORSE
    }
}
