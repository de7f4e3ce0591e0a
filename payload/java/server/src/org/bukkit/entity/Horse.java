package org.bukkit.entity;

import org.bukkit.inventory.HorseInventory;
import org.bukkit.inventory.InventoryHolder;

/** A horse in the world. This server simulates players only, so no entity of this kind exists here. */
public interface Horse extends Animals, Vehicle, InventoryHolder, Tameable {
    Horse.Color getColor();
    int getDomestication();
    HorseInventory getInventory();
    double getJumpStrength();
    int getMaxDomestication();
    Horse.Style getStyle();
    Horse.Variant getVariant();
    boolean isCarryingChest();
    void setCarryingChest(boolean carryingChest);
    void setColor(Horse.Color color);
    void setDomestication(int domestication);
    void setJumpStrength(double jumpStrength);
    void setMaxDomestication(int maxDomestication);
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
