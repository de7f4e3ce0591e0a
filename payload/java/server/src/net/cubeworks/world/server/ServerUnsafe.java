package net.cubeworks.world.server;

import java.util.List;
import java.util.Locale;
import java.util.logging.Logger;

import org.bukkit.Achievement;
import org.bukkit.Material;
import org.bukkit.Statistic;
import org.bukkit.UnsafeValues;
import org.bukkit.inventory.ItemStack;

/**
 * The server's internal names: a material by the game's name ("minecraft:stone", "stone") or
 * its id, statistics and achievements by their constant's name. Item tags written as text are
 * not read here: modifyItemStack leaves the stack as it was and says so in the log.
 */
final class ServerUnsafe implements UnsafeValues {
    private final Logger logger;
    private volatile boolean toldAboutTags;

    ServerUnsafe(Logger logger) {
        this.logger = logger;
    }

    private static String plain(String name) {
        String n = name.trim().toLowerCase(Locale.ENGLISH);
        return n.startsWith("minecraft:") ? n.substring("minecraft:".length()) : n;
    }

    /**
     * A material by the game's name of an item or block ("diamond_sword", "planks",
     * "minecraft:stonebrick"), its id, or else the material's own name.
     */
    @SuppressWarnings("deprecation")
    public Material getMaterialFromInternalName(String name) {
        if (name == null) {
            return null;
        }
        String n = plain(name);
        int id = net.cubeworks.world.level.ItemNames.itemId(n);
        if (id >= 0) {
            return Material.getMaterial(id);
        }
        if (n.matches("\\d{1,5}")) {
            return Material.getMaterial(Integer.parseInt(n));
        }
        return Material.matchMaterial(n);
    }

    /** The materials whose name (as "minecraft:name") starts with the token. */
    public List<String> tabCompleteInternalMaterialName(String token, List<String> completions) {
        String t = plain(token == null ? "" : token);
        for (Material m : Material.values()) {
            String n = m.name().toLowerCase(Locale.ENGLISH);
            if (n.startsWith(t)) {
                completions.add("minecraft:" + n);
            }
        }
        return completions;
    }

    public ItemStack modifyItemStack(ItemStack stack, String arguments) {
        if (!toldAboutTags) {
            toldAboutTags = true;
            logger.warning("A plugin gave an item tag as text (" + arguments
                    + "); this server does not read such text, the item is left as it was");
        }
        return stack;
    }

    public Statistic getStatisticFromInternalName(String name) {
        if (name == null) {
            return null;
        }
        String n = name.startsWith("stat.") ? name.substring(5) : name;
        for (Statistic s : Statistic.values()) {
            if (s.name().replace("_", "").equalsIgnoreCase(n.replace("_", ""))) {
                return s;
            }
        }
        return null;
    }

    public Achievement getAchievementFromInternalName(String name) {
        if (name == null) {
            return null;
        }
        String n = name.startsWith("achievement.") ? name.substring(12) : name;
        for (Achievement a : Achievement.values()) {
            if (a.name().replace("_", "").equalsIgnoreCase(n.replace("_", ""))) {
                return a;
            }
        }
        return null;
    }

    public List<String> tabCompleteInternalStatisticOrAchievementName(String token, List<String> completions) {
        String t = token == null ? "" : token.toLowerCase(Locale.ENGLISH);
        for (Statistic s : Statistic.values()) {
            String n = "stat." + s.name().toLowerCase(Locale.ENGLISH);
            if (n.startsWith(t)) {
                completions.add(n);
            }
        }
        for (Achievement a : Achievement.values()) {
            String n = "achievement." + a.name().toLowerCase(Locale.ENGLISH);
            if (n.startsWith(t)) {
                completions.add(n);
            }
        }
        return completions;
    }
}
