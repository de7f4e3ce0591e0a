package net.cubeworks.world.plugin;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;

import java.lang.reflect.Field;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.WeakHashMap;

import org.bukkit.Bukkit;
import org.bukkit.command.SimpleCommandMap;
import org.bukkit.permissions.Permissible;
import org.bukkit.permissions.PermissibleBase;
import org.bukkit.permissions.Permission;
import org.bukkit.permissions.PermissionAttachment;
import org.bukkit.permissions.PermissionAttachmentInfo;
import org.bukkit.permissions.PermissionDefault;
import org.bukkit.permissions.ServerOperator;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginManager;
import org.bukkit.plugin.SimplePluginManager;
import org.junit.Test;

import net.cubeworks.world.fixture.ApiServer;

/**
 * The plugin manager's private fields as plugins of the 1.7 era reach them by reflection, by the
 * names and types of Bukkit's own SimplePluginManager (PermissionsEx replaces the permission map
 * and the subscriptions with maps of its own), and PermissibleBase's, which PermissionsEx's
 * permissible subclasses.
 */
public class PluginManagerFieldsTest {
    private static Field field(Class<?> c, String name, Class<?> type) throws Exception {
        Field f = c.getDeclaredField(name);
        assertTrue(name + " is a " + type.getSimpleName(), type.isAssignableFrom(f.getType()));
        assertFalse(name + " is an instance field", Modifier.isStatic(f.getModifiers()));
        f.setAccessible(true);
        return f;
    }

    /** PermissionsEx's kind of subscription map: it makes the entry asked for, and counts the asks. */
    @SuppressWarnings("serial")
    static final class CreatingMap extends HashMap<String, Map<Permissible, Boolean>> {
        int gets;

        CreatingMap(Map<String, Map<Permissible, Boolean>> backing) {
            super(backing);
        }

        @Override
        public Map<Permissible, Boolean> get(Object key) {
            gets++;
            Map<Permissible, Boolean> m = super.get(key);
            if (m == null) {
                m = new WeakHashMap<Permissible, Boolean>();
                super.put((String) key, m);
            }
            return m;
        }
    }

    /** PermissionsEx's kind of permission list: it notes every permission put. */
    @SuppressWarnings("serial")
    static final class NotingMap extends HashMap<String, Permission> {
        final List<String> put = new ArrayList<String>();

        NotingMap(Map<String, Permission> existing) {
            super(existing);
        }

        @Override
        public Permission put(String k, Permission v) {
            put.add(k);
            return super.put(k, v);
        }
    }

    @Test
    @SuppressWarnings("unchecked")
    public void theFieldsAreBukkitsAndWhatAPluginPutsInThemIsUsed() throws Exception {
        ApiServer.plugins();
        SimplePluginManager pm = new SimplePluginManager(Bukkit.getServer(), new SimpleCommandMap(Bukkit.getServer()));
        PluginManager asPlugins = pm;
        assertSame(SimplePluginManager.class, asPlugins.getClass());
        assertTrue(Modifier.isFinal(SimplePluginManager.class.getModifiers()));
        Class<? extends PluginManager> c = asPlugins.getClass();
        assertSame(pm.getCommandMap(), field(c, "commandMap", SimpleCommandMap.class).get(pm));
        assertTrue(field(c, "plugins", List.class).get(pm) instanceof List);
        assertTrue(field(c, "lookupNames", Map.class).get(pm) instanceof Map);
        assertTrue(field(c, "fileAssociations", Map.class).get(pm) instanceof Map);
        Field defaultPerms = field(c, "defaultPerms", Map.class);
        Field defSubs = field(c, "defSubs", Map.class);
        Field permSubs = field(c, "permSubs", Map.class);
        Field permissions = field(c, "permissions", Map.class);

        pm.addPermission(new Permission("fields.before", PermissionDefault.TRUE));
        NotingMap list = new NotingMap((Map<String, Permission>) permissions.get(pm));
        permissions.set(pm, list);
        CreatingMap subs = new CreatingMap((Map<String, Map<Permissible, Boolean>>) permSubs.get(pm));
        permSubs.set(pm, subs);

        // the permission kept before the maps were replaced is still there, and new ones go through the new map
        assertEquals("fields.before", pm.getPermission("Fields.Before").getName());
        pm.addPermission(new Permission("fields.after", PermissionDefault.OP));
        assertEquals("[fields.after]", list.put.toString());
        assertTrue(list.containsKey("fields.after"));
        pm.removePermission("fields.after");
        assertFalse(list.containsKey("fields.after"));
        assertEquals(null, pm.getPermission("fields.after"));

        // the defaults, and the holders subscribed to them, are read from the fields
        Map<Boolean, Set<Permission>> defaults = (Map<Boolean, Set<Permission>>) defaultPerms.get(pm);
        assertTrue(defaults.get(true).contains(pm.getPermission("fields.before")));
        assertTrue(defaults.get(false).contains(pm.getPermission("fields.before")));
        Permissible holder = new PermissibleBase(null);
        pm.subscribeToDefaultPerms(true, holder);
        assertTrue(((Map<Boolean, Map<Permissible, Boolean>>) defSubs.get(pm)).get(true).containsKey(holder));

        // subscriptions go through the replaced map's get
        pm.subscribeToPermission("Fields.Node", holder);
        assertTrue(subs.gets > 0);
        assertTrue(subs.get("fields.node").containsKey(holder));
        assertEquals(1, pm.getPermissionSubscriptions("fields.node").size());
        pm.unsubscribeFromPermission("fields.node", holder);
        assertEquals(0, pm.getPermissionSubscriptions("fields.node").size());
        // an asked-for subscription PermissionsEx's map made up is empty, not a failure
        assertEquals(0, pm.getPermissionSubscriptions("fields.never").size());
    }

    @Test
    public void theLookUpByNameIsWhatAPluginRemovesAPluginFrom() throws Exception {
        ApiServer.plugins();
        SimplePluginManager pm = new SimplePluginManager(Bukkit.getServer(), null);
        Field lookup = field(SimplePluginManager.class, "lookupNames", Map.class);
        Field plugins = field(SimplePluginManager.class, "plugins", List.class);
        @SuppressWarnings("unchecked")
        Map<String, Plugin> names = (Map<String, Plugin>) lookup.get(pm);
        @SuppressWarnings("unchecked")
        List<Plugin> all = (List<Plugin>) plugins.get(pm);
        assertEquals(0, pm.getPlugins().length);
        assertTrue(names.isEmpty());
        assertTrue(all.isEmpty());
    }

    /** A permissible like PermissionsEx's: it calculates in its own order through Bukkit's private members. */
    static final class OwnOrder extends PermissibleBase {
        private static final Method CHILDREN;

        static {
            try {
                CHILDREN = PermissibleBase.class.getDeclaredMethod("calculateChildPermissions", Map.class, boolean.class,
                        PermissionAttachment.class);
                CHILDREN.setAccessible(true);
            } catch (NoSuchMethodException e) {
                throw new ExceptionInInitializerError(e);
            }
        }

        final Map<String, PermissionAttachmentInfo> permissions = new LinkedHashMap<String, PermissionAttachmentInfo>();
        final List<PermissionAttachment> attachments;
        int recalculations;

        @SuppressWarnings("unchecked")
        OwnOrder(ServerOperator op) throws Exception {
            super(op);
            Field p = PermissibleBase.class.getDeclaredField("permissions");
            p.setAccessible(true);
            p.set(this, permissions);
            Field a = PermissibleBase.class.getDeclaredField("attachments");
            a.setAccessible(true);
            attachments = (List<PermissionAttachment>) a.get(this);
        }

        @Override
        public void recalculatePermissions() {
            if (permissions == null) {
                return;
            }
            recalculations++;
            clearPermissions();
            for (PermissionAttachment attachment : attachments) {
                try {
                    CHILDREN.invoke(this, attachment.getPermissions(), false, attachment);
                } catch (Exception e) {
                    throw new RuntimeException(e);
                }
            }
        }
    }

    @Test
    public void aPermissibleSubclassCalculatesThroughBukkitsPrivateMembers() throws Exception {
        final PluginManager pm = ApiServer.plugins();
        if (pm.getPermission("fields.parent") == null) {
            Map<String, Boolean> children = new LinkedHashMap<String, Boolean>();
            children.put("fields.child", true);
            pm.addPermission(new Permission("fields.parent", PermissionDefault.FALSE, children));
        }
        OwnOrder perms = new OwnOrder(null);
        Plugin plugin = ApiServer.plugin("fields");
        perms.addAttachment(plugin, "fields.parent", true);
        assertTrue(perms.hasPermission("fields.child"));
        assertTrue(perms.permissions.containsKey("fields.child"));
        int once = perms.recalculations;
        perms.hasPermission("fields.child");
        perms.isPermissionSet("fields.parent");
        assertEquals("the subclass's calculation is kept while the operator status stays", once, perms.recalculations);
    }
}
