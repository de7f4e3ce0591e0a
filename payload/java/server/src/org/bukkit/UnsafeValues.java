package org.bukkit;

import java.util.List;

import org.bukkit.inventory.ItemStack;

/** The server's internal names and forms, for plugins that need them; not a stable part of the API. */
@Deprecated
public interface UnsafeValues {
    Material getMaterialFromInternalName(String name);

    List<String> tabCompleteInternalMaterialName(String token, List<String> completions);

    /** The stack with the item tag given as text applied to it. */
    ItemStack modifyItemStack(ItemStack stack, String arguments);

    Statistic getStatisticFromInternalName(String name);

    Achievement getAchievementFromInternalName(String name);

    List<String> tabCompleteInternalStatisticOrAchievementName(String token, List<String> completions);
}
